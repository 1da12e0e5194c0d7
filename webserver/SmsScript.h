#pragma once
// The SMS script: records the message for the dealership's SMS gateway and answers with the
// marker the client looks for, or with the French reason it was refused.
#include "webserver/Database.h"

#include <string>
#include <string_view>

namespace webserver {

inline constexpr std::string_view kSmsSuccess = "telephonySmsSend successfull";

std::string runSmsSend(Database& db, std::string_view destinataire, std::string_view texte);

} // namespace webserver
