#pragma once
// Numbers read and written as the record values carry them: "." as decimal separator, integers
// read like the Delphi runtime reads them (leading blanks, a sign, decimal or "$"/"0x" hex).
#include <QString>

namespace platform {

bool TryStrToInt(QStringView text, int& value);
int StrToIntDef(QStringView text, int fallback);
// A decimal number with "." (an exponent allowed); surrounding blanks refused.
bool TryStrToFloat(QStringView text, double& value);
// The "0.00" pattern: exactly two decimals.
QString FormatAmount(double value);

} // namespace platform
