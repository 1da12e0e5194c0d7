#pragma once
// The record form's part of the main window: the controls of its sheets, the layout pass, the
// header, the lock, change tracking, the tab switch and the record commands, and UpdateView,
// which loads the record on screen. It lives as long as
// the window, as a child of it.
#include "record/ChangeTracker.h"
#include "record/Commands.h"
#include "record/Header.h"
#include "record/Layout.h"
#include "record/RecordLock.h"
#include "record/TabSwitch.h"

#include <QObject>

namespace app {
class TAxGarvex;
}

namespace record {

class TRecordForm : public QObject {
    Q_OBJECT
public:
    // The developer check: this user, or a user whose name holds this surname, sees the SMS test
    // button; the surname also shows the load time.
    static constexpr QStringView DeveloperId = u"1000999";
    static constexpr QStringView DeveloperSurname = u"DEVAUX";

    explicit TRecordForm(app::TAxGarvex& form);

    void UpdateView(bool ReloadFiles);

private:
    app::TAxGarvex& F;
    bool m_built; // the sheets' controls exist before the routines below look them up

public:
    THeader Header;
    TRecordLock Lock;
    TChangeTracker Changes;
    TLayout Layout;
    TTabSwitch TabSwitch;
    TRecordCommands& Commands; // a child of the window, as the buttons it listens to

private:
    QWidget *JvXPBtnSMS, *LbInfoOptions, *PanelCompta, *aSite, *aidCom;
};

// Builds the record form into the window, which then owns it.
TRecordForm& AttachRecordForm(app::TAxGarvex& form);

} // namespace record
