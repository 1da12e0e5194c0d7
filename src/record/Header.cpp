#include "Header.h"

#include "app/AxGarvex.h"
#include "platform/AsciiCase.h"
#include "platform/Controls.h"
#include "platform/DelphiDate.h"
#include "platform/FormBuilder.h"
#include "platform/Widgets.h"
#include "server/SqlLiterals.h"

#include <QApplication>
#include <QIcon>
#include <QLineEdit>

namespace record {
namespace {

QString text(const QWidget* control) {
    return platform::ControlText(control);
}

// An empty date picker shows its mask: that is no text.
bool hasText(const QWidget* control) {
    const QString t = text(control);
    return !t.isEmpty() && t != platform::TDatePicker::EmptyText;
}

platform::TDateTime dateOr(const QWidget* control, platform::TDateTime fallback) {
    platform::TDateTime value = 0;
    return platform::TryStrToDate(text(control), value) ? value : fallback;
}

void setAppLook(app::TAxGarvex& form, const QString& title, const QString& icon) {
    QGuiApplication::setApplicationDisplayName(title);
    const QIcon ico(QStringLiteral(":/record/") + icon + QStringLiteral(".svg"));
    form.setWindowIcon(ico);
    QApplication::setWindowIcon(ico);
}

void setFontSize(QLineEdit* edit, int points) {
    QFont f = edit->font();
    f.setPointSize(points);
    edit->setFont(f);
}

} // namespace

int EmailFontSize(int length) {
    if (length < 14) return 12;
    if (length < 20) return 10;
    if (length < 26) return 9;
    if (length < 32) return 8;
    return 7;
}

THeader::THeader(app::TAxGarvex& form) : F(form) {
    const auto find = [&](int sheet, const char* name) {
        return platform::Require<QWidget>(form.Sheets[sheet], name);
    };
    cNVO = find(0, "cNVO");
    cVDNVO = find(1, "cVDNVO");
    cVNNVO = find(2, "cVNNVO");
    cInfoMarque = find(0, "cInfoMarque");
    cInfoVersion = find(0, "cInfoVersion");
    cVDInfoMarque = find(1, "cVDInfoMarque");
    cVDInfoVersion = find(1, "cVDInfoVersion");
    cVNInfoMarque = find(2, "cVNInfoMarque");
    cVNInfoVersion = find(2, "cVNInfoVersion");
    cInfoCouleur = find(0, "cInfoCouleur");
    cVDInfoCouleur = find(1, "cVDInfoCouleur");
    cVNInfoCouleur = find(2, "cVNInfoCouleur");
    cCV = find(0, "cCV");
    cKMS = find(0, "cKMS");
    cVDCV = find(1, "cVDCV");
    cVDKMS = find(1, "cVDKMS");
    cDateOrdre = find(0, "cDateOrdre");
    cDateEntree = find(0, "cDateEntree");
    cVNDateOrdre = find(2, "cVNDateOrdre");
    cVNDateFacture = find(2, "cVNDateFacture");
    cVNMEC = find(2, "cVNMEC");
    aCliEmail = find(6, "aCliEmail");
    aCliMobile = find(6, "aCliMobile");
    aCliTelDom = find(6, "aCliTelDom");
}

void THeader::setCaption() {
    F.setWindowTitle(QStringLiteral("Garvex - ") + F.State.RecordKind.mid(2, 2) + QStringLiteral(" N°") +
                     F.xcInfoNVO->text() + QStringLiteral(" - ") + F.xcInfoTitre->text());
}

void THeader::setInfoNVO() {
    const QString& kind = F.State.RecordKind;
    if (kind == u"_TVO")
        F.xcInfoNVO->setText(text(cNVO));
    else if (kind == u"_TVD")
        F.xcInfoNVO->setText(text(cVDNVO));
    else if (kind == u"_TVN")
        F.xcInfoNVO->setText(text(cVNNVO));
    setCaption();
}

void THeader::setInfoTitre() {
    const QString& kind = F.State.RecordKind;
    const auto title = [](const QWidget* make, const QWidget* version) {
        return platform::asciiUpper(text(make)) + QStringLiteral(" - ") + text(version);
    };
    if (kind == u"_TVO")
        F.xcInfoTitre->setText(title(cInfoMarque, cInfoVersion));
    else if (kind == u"_TVD")
        F.xcInfoTitre->setText(title(cVDInfoMarque, cVDInfoVersion));
    else if (kind == u"_TVN")
        F.xcInfoTitre->setText(title(cVNInfoMarque, cVNInfoVersion));
    else
        F.xcInfoTitre->clear();
    setCaption();
}

void THeader::setInfoField1() {
    const QString& kind = F.State.RecordKind;
    if (kind == u"_TCL") {
        const QString email = platform::asciiLower(text(aCliEmail));
        F.xcInfoField1->setText(email);
        setFontSize(F.xcInfoField1, EmailFontSize(int(email.size())));
        setAppLook(F, QStringLiteral("Saisie des Fiches Kundor"), QStringLiteral("ICOKUNDOR"));
        return;
    }
    const QWidget* colour = kind == u"_TVD"   ? cVDInfoCouleur
                            : kind == u"_TVN" ? cVNInfoCouleur
                                              : cInfoCouleur;
    F.xcInfoField1->setText(text(colour));
    setFontSize(F.xcInfoField1, 12);
    setAppLook(F, QStringLiteral("Saisie des Fiches Garvex"), QStringLiteral("ICOGARVEX"));
}

void THeader::setInfoField2() {
    const QString& kind = F.State.RecordKind;
    const auto power = [](const QWidget* cv, const QWidget* kms) {
        return text(cv) + QStringLiteral(" cv - ") + text(kms) + QStringLiteral(" kms");
    };
    if (kind == u"_TVO")
        F.xcInfoField2->setText(power(cCV, cKMS));
    else if (kind == u"_TVD")
        F.xcInfoField2->setText(power(cVDCV, cVDKMS));
    else if (kind == u"_TCL")
        F.xcInfoField2->setText(server::FormatPhone(text(aCliMobile)));
}

void THeader::setInfoField3() {
    const app::FormState& s = F.State;
    if (s.FlagLoading) return;
    const QString days = QStringLiteral(" jours");
    if (s.RecordKind == u"_TVO") {
        int n = 0;
        const platform::TDateTime now = platform::Now();
        if (hasText(cDateOrdre) && hasText(cDateEntree))
            n = platform::DaysBetween(dateOr(cDateEntree, now), dateOr(cDateOrdre, now));
        else if (hasText(cDateEntree))
            n = platform::DaysBetween(dateOr(cDateEntree, now), s.ServerNow);
        F.xcInfoField3->setText(QString::number(n) + days);
    } else if (s.RecordKind == u"_TVN") {
        const platform::TDateTime order = dateOr(cVNDateOrdre, platform::Now());
        const platform::TDateTime other = dateOr(hasText(cVNDateFacture) ? cVNDateFacture : cVNMEC, order);
        const int n = platform::DaysBetween(other, order);
        F.xcInfoField3->setText(n > 0 ? QString::number(n) + days : QString());
    } else if (s.RecordKind == u"_TCL") {
        F.xcInfoField3->setText(server::FormatPhone(text(aCliTelDom)));
    }
}

} // namespace record
