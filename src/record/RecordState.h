#pragma once
// What the form keeps about the record on screen: the pages and grid rows, the cursors over the
// current answers, the record's kind, flags, rights and date limits. Part of the window's state.
#include "platform/DelphiDate.h"
#include "record/RecordModel.h"
#include "server/TagReader.h"

namespace record {

struct RecordState {
    TsPages Pages;
    std::vector<TsLine> FrevoRows;   // behind ngFrevo; row 0 is the column template
    std::vector<TsLine> ActionLines; // behind ngAction; row 0 is the column template

    server::TXml XmlRecord, XmlCustomer, XmlStruct, XmlEquip;

    QString RecordKind, RecordTable, RecordTypeVO;
    bool FlagNewEnreg = false;
    bool FlagNewVehicle = false;
    bool FlagNewAction = false;
    bool FlagNewFrevo = false;
    bool FlagLoading = false; // change handlers record nothing while a record or grid is filled
    bool RecordInScope = false;
    bool LockByDate = false;
    bool RecordEditable = false;
    bool RightCompta = false, RightKundor = false, RightSuperAdmin = false;

    QString UserName, UserUS1;
    QString CurrentSite, RecordOwner, RecordFrevo;

    platform::TDateTime LimiteDateDeb = 0, LimiteDateDebFrevo = 0, LimiteDateDebKundor = 0,
                        LimiteDateVerrouVNVO = 0, ServerNow = 0, LimiteDateFin = 0;

    int FirstTab = 0;
    int VehicleIndex = 0;
    int VehicleCount = 0;
    QString LastInfoModele, LastInfoTypeVersion;
};

} // namespace record
