#pragma once
// The state the main window owns for the life of the process and every room reads: the
// parameters of the INI file, the heartbeat's counters and the record on screen. Rooms add their
// own members here as they land.
#include "app/TraceLog.h"
#include "record/RecordState.h"

#include <QString>

namespace app {

// The parameters, in the order OnStart reads them.
enum class Param {
    HttpRoot,
    BaseHRef,
    idTVO,
    OCXName,
    OCXVersion,
    URLImages,
    idUser,
    UserConcession,
    UserSite,
    WhereClause,
    OrderClause,
    idClient
};

struct FormState : record::RecordState {
    QString IniFileName;
    TraceLog Trace; // TraceOn and TempDir
    int ParamCount = 0;
    int idTypeVO = 0;

    // HttpRoot, BaseHRef, idTVO and idClient are also the captions of LbHttpRoot, LbBaseHRef,
    // LbIdTVO and LbIDCustomer: change them through the window's setters.
    QString HttpRoot, BaseHRef, idTVO, OCXName, OCXVersion, URLImages, idUser, UserConcession, UserSite,
        WhereClause, OrderClause, idClient;

    QString InstalledVersion;
    QString ProxyAddress;

    // Heartbeat (250 ms ticks).
    int TickCount = 0;         // 0 to 3
    int IdleSeconds = 0;       // since the last server request
    int DupCheckCountdown = 0; // ticks until the duplicate check
    int SearchCountdown = 0;   // ticks until the search
    bool BlinkOn = false;      // the focus marker Shape1 blinks
    int BlinkCount = 0;
    int StartCount = 0; // ticks since the parameters were complete; 1 runs the first load

    QString& Parameter(Param p);
};

} // namespace app
