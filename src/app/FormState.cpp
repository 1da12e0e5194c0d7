#include "FormState.h"

namespace app {

QString& FormState::Parameter(Param p) {
    switch (p) {
    case Param::HttpRoot:
        return HttpRoot;
    case Param::BaseHRef:
        return BaseHRef;
    case Param::idTVO:
        return idTVO;
    case Param::OCXName:
        return OCXName;
    case Param::OCXVersion:
        return OCXVersion;
    case Param::URLImages:
        return URLImages;
    case Param::idUser:
        return idUser;
    case Param::UserConcession:
        return UserConcession;
    case Param::UserSite:
        return UserSite;
    case Param::WhereClause:
        return WhereClause;
    case Param::OrderClause:
        return OrderClause;
    case Param::idClient:
        return idClient;
    }
    return HttpRoot;
}

} // namespace app
