// The warning line, the trace, the debug strip and the button hints.
#include "AxGarvex.h"
#include "app/FormTable.h"
#include "platform/Controls.h"

#include <QLabel>
#include <QPushButton>

namespace app {

void TAxGarvex::SetWarningLine(const QString& text) {
    LbDebugInfo0->setText(text);
    PanelWarning->setVisible(!text.isEmpty());
}

QString TAxGarvex::WarningLine() const {
    return LbDebugInfo0->text();
}

void TAxGarvex::WriteTrace(const QString& message) {
    if (!State.Trace.WriteTrace(message))
        SetWarningLine(QStringLiteral("Impossible d'écrire le journal de trace ") + State.Trace.FileName());
}

void TAxGarvex::startupDebugLines() {
    const FormState& s = State;
    LbDebugInfo3->setText(QStringLiteral("Démarrage de AxGarvex... [") + QString::number(s.ParamCount) +
                          u']' + s.HttpRoot + QStringLiteral(" - ") + s.BaseHRef + QStringLiteral(" - ") +
                          s.idTVO);
    LbDebugInfo1->setText(QStringLiteral("Démarrage de AxGarvex..."));
}

void TAxGarvex::UpdateHints(bool customerMode) {
    const QString vehicle = QStringLiteral("véhicule"), customer = QStringLiteral("client");
    const QString& word = customerMode ? vehicle : customer;
    const QString& replacement = customerMode ? customer : vehicle;
    for (QPushButton* button :
         {JvXPBtnActualize, JvXPBtnNewVO, JvXPBtnPrint, JvXPBtnSuppr, JvXPNext, JvXPPrev}) {
        QString hint = platform::Hint(button);
        if (!hint.contains(word, Qt::CaseSensitive)) continue;
        platform::SetHint(button, hint.replace(word, replacement, Qt::CaseInsensitive));
    }
}

void TAxGarvex::GestionHints(const QString& longHint) {
    LbDebugInfo3->setText(longHint);
}

void TAxGarvex::ShowDiagnostics(bool superAdmin) {
    const int buttonsBottom = JvXPNext->y() + JvXPNext->height();
    if (superAdmin) {
        setFixedSize(width(), buttonsBottom + 75);
        LbDebugInfo0->setGeometry(LbDebugInfo1->x(), buttonsBottom + 8, LbDebugInfo1->width(), 18);
    } else {
        setFixedSize(width(), FormHeight);
        LbDebugInfo0->setGeometry(LbDebugInfo0->x(), JvXPNext->y(), JvXPPrev->x() - 12 - LbDebugInfo0->x(),
                                  JvXPNext->height());
    }
    for (QLabel* label : {LbDebugInfo0, LbDebugInfo1, LbDebugInfo2, LbDebugInfo3, LbHttpRoot, LbBaseHRef})
        label->setVisible(superAdmin || label == LbDebugInfo0);
}

} // namespace app
