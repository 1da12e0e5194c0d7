#pragma once
// The statement that saves a page: an UPDATE of the changed fields keyed by the page's leading
// key fields, or for a new record an INSERT with the server's new identifiers.
#include "record/RecordModel.h"

namespace record {

// Fields that are never written: "FDM" fields, read-only ones, values read through another tag,
// and cost totals loaded as "0.00" and emptied.
bool IsSkippedField(const TsDesc& desc);
// The literal of a value by its type: a date, a quoted text, an amount with "." or the text as is.
QString SqlLiteral(int tInfo, const QString& value);
// Page 0's table, "TVehiclesKundor" for page 8, in brackets when it holds a blank.
QString StatementTable(const TsPages& pages, int page);

struct StatementContext {
    int Page = 0;
    bool Insert = false;  // a new record, or a new customer vehicle on page 8
    QString KindLabel;    // "VO", "VD", "VN" or "CL"
    QString RecordTypeVO; // already defaulted
    QString idClient, idUser, UserConcession;
};

// Empty when no saved field differs from its loaded value.
QString BuildPageStatement(const TsPages& pages, const StatementContext& context);

} // namespace record
