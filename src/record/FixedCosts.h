#pragma once
// The file-handling fee a used vehicle sold to a private buyer carries once, as a cost line of
// type "fixe" whose amount each site sets in the reference lists.
#include "server/TagReader.h"

namespace record {

// The statement inserting the fee, or empty: when the buyer is not a private one, the vehicle
// already has its fixed cost, the site sets no fee, or `idVO` is empty.
QString FixedCostStatement(const server::TXml& record, const server::TXml& equip, const QString& site,
                           const QString& destination, const QString& idVO);

} // namespace record
