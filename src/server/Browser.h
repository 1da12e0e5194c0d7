#pragma once
#include <QString>

namespace server {

// Opens the address in the user's default web browser (through xdg-open); false when none could
// be started.
bool OpenInBrowser(const QString& address);

} // namespace server
