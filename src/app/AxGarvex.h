#pragma once
// TAxGarvex, the main window: it owns the shared state, the request client and the 250 ms
// heartbeat, and binds the request layer to its warning line, trace and idle counter.
#include "app/FormState.h"
#include "platform/Dialogs.h"
#include "server/RequestHost.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTimer;

namespace photos {
class TFrmBlur;
}
namespace platform {
class HintFilter;
}
namespace server {
class Requests;
}

namespace app {

class TAxGarvex : public QMainWindow, public server::RequestHost {
    Q_OBJECT
public:
    static constexpr int TimerInterval = 250;

    // Runs ActiveFormCreate: the window is ready, its timer running, its parameters read.
    explicit TAxGarvex(platform::Dialogs& dialogs, QWidget* parent = nullptr);
    ~TAxGarvex() override;

    FormState State;
    platform::Dialogs& Dialogs;
    server::Requests& Http() { return *m_http; }
    QTimer* Timer1;
    // The plate-blurring window, created with the main window and hidden until a photo needs it.
    photos::TFrmBlur* FrmBlur;

    // Work of rooms that hang their routines on the heartbeat: the duplicate check and the
    // delayed search. Empty until their room sets them.
    std::function<void()> HttpGetDblInfo;
    std::function<void(int extraRows)> HttpGetSearchInfo;

    // Start-up and reload.
    void ActiveFormCreate();
    void ActiveFormActivate();
    // False when a parameter cannot be read: the parameters then stay as they were.
    bool OnStart();
    void ShowSplash();
    void OnMsgActualize();
    // Brings the window to the front for a second start.
    void ActivateFirstWindow();

    // One setter per parameter: stores the text, counts it in ParamCount and traces its name.
    void SetParameter(Param p, const QString& value);
    // Changes of the record identifiers made later (search, commands, inserts): not counted.
    void SetIdTVO(const QString& value);
    void SetIdClient(const QString& value);
    QString GetIdClient() const { return State.idClient; }

    void Timer1Timer();
    void FirstLoad();
    void UpdateView(bool ReloadFiles);

    // Status line.
    void UpdateHints(bool customerMode);
    void GestionHints(const QString& longHint);
    // The taller window with the debug strip for a super-administrator, or the warning line
    // moved up beside the record buttons for anyone else.
    void ShowDiagnostics(bool superAdmin);

    // server::RequestHost
    void SetWarningLine(const QString& text) override;
    QString WarningLine() const override;
    void WriteTrace(const QString& message) override;
    int& IdleSeconds() override { return State.IdleSeconds; }
    bool CtrlHeld() const override { return Dialogs.CtrlHeld(); }
    void ProcessEvents() override;
    QString idClient() const override { return State.idClient; }
    QString TempDir() const override { return State.Trace.TempDir; }

    // Controls of the shell.
    QFrame* PanelWarning;
    QLineEdit *xcInfoNVO, *xcInfoTitre, *xcIdentity, *xcInfoField1, *xcInfoField2, *xcInfoField3;
    QPushButton *JvXPBtnActualize, *JvXPBtnSave, *JvXPBtnNewVO, *JvXPBtnSuppr, *JvXPBtnSweep, *JvXPBtnPrint,
        *JvXPBtnSearch, *JvXPNext, *JvXPPrev;
    QTabWidget* Tabs;
    QWidget* Sheets[9]; // Sheet01 to Sheet09
    QFrame *Panel1, *PanelSplash, *Shape1;
    QLabel *ImageSplash, *LbSplash, *LbConcession;
    QLabel *LbDebugInfo0, *LbDebugInfo1, *LbDebugInfo2, *LbDebugInfo3, *LbHttpRoot, *LbBaseHRef, *LbIdTVO,
        *LbIDCustomer, *LbVersion, *LbInfoTimer;

protected:
    void changeEvent(QEvent* event) override;

private:
    void buildForm();
    void styleForm();
    void applyProxy();
    void startupDebugLines();

    std::unique_ptr<server::Requests> m_http;
    std::unique_ptr<platform::HintFilter> m_hints;
    // Depth of event pumping inside a request: work that would start another request waits for
    // the tick after the request has ended.
    int m_pumpDepth = 0;
    bool m_actualizePending = false;
};

} // namespace app
