#pragma once
// How the INI values, the environment and the installed files become the window's parameters.
#include <QString>
#include <optional>

namespace app {

// The twelve parameters of "Options", in the order they are read, each with the text its setter
// writes to the trace.
struct ParameterKey {
    const char* key;
    const char* trace;
};
inline constexpr ParameterKey ParameterKeys[12] = {{"HttpRoot", "httproot"},
                                                   {"BaseHRef", "basehref"},
                                                   {"idTVO", "idtvo"},
                                                   {"OCXName", "ocxname"},
                                                   {"OCXVersion", "ocxversion"},
                                                   {"URLImages", "urlimages"},
                                                   {"idUser", "iduser"},
                                                   {"UserConcession", "userconcession"},
                                                   {"UserSite", "usersite"},
                                                   {"WhereClause", "whereclause"},
                                                   {"OrderClause", "orderclause"},
                                                   {"idClient", "idClient"}};

// The value prefixed with "0" read as a 32-bit integer of decimal digits only; nothing when it
// is not one ("0-1", "0 1", "0abc", too large).
std::optional<int> ZeroPrefixedInteger(const QString& value);
// "Trace": a prefixed value that is no number counts as 0; non-zero switches the trace on.
bool TraceSwitch(const QString& value);

// Why the parameter file cannot give the window its parameters, or empty when it can: missing,
// unreadable, or holding none of the twelve parameters.
QString CheckIniFile(const QString& fileName);

// The proxy of the environment (http_proxy, then HTTP_PROXY), as "host:port" or "host": the
// scheme, credentials and path of a URL are dropped. Empty when none is set.
QString ProxyFromEnvironment();

// Version text of the installed component: the first line of "<folder>/<OCXName>.version" with
// its dots turned into commas; empty when there is no such file. Only the file-name part of
// OCXName is used, so a parameter cannot point outside the folder.
QString InstalledVersionOf(const QString& folder, const QString& OCXName);
// Where the installed components' version files live unless "OCXFolder" names another folder.
QString DefaultComponentFolder();

// The program's own version ("1.0.0"); the splash shows it with commas.
QString ProgramVersion();

} // namespace app
