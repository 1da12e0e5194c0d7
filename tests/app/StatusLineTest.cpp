// The warning line and its band, the debug strip, the hints.
#include "WindowFixture.h"
#include "app/FormTable.h"
#include "platform/Controls.h"

#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QPushButton>

namespace {
// The server answers the record request with `inside` added to a small record.
TestServer::Answer recordWith(std::string inside) {
    return [inside](const std::string& target) {
        if (target.find("AxInfoVO") == std::string::npos) return TestServer::DefaultAnswer(target);
        return "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><document>" + inside +
               "<tVO><idtVO>12</idtVO></tVO></document>";
    };
}
} // namespace

TEST_F(WindowTest, WarningLineAfterLogItemsAndAfterACleanAnswer) {
    WriteIni(Parameters());
    auto w = Open();
    server.SetAnswer(recordWith("<LogItems><LogItem>A</LogItem><LogItem>B</LogItem></LogItems>"));
    Tick(*w);
    EXPECT_EQ(w->LbDebugInfo0->text(), "A - B - ");
    EXPECT_TRUE(w->PanelWarning->isVisibleTo(w.get()));

    server.SetAnswer({});
    w->UpdateView(true);
    EXPECT_EQ(w->LbDebugInfo0->text(), "");
    EXPECT_FALSE(w->PanelWarning->isVisibleTo(w.get()));
}

TEST_F(WindowTest, SuperAdministratorStripOrWarningLineBesideTheButtons) {
    WriteIni(Parameters());
    auto w = Open();
    server.SetAnswer(recordWith("<GNames><GName>SVO</GName><GName>user_SuperAdmins</GName></GNames>"));
    Tick(*w);
    const int buttonsBottom = w->JvXPNext->y() + w->JvXPNext->height();
    EXPECT_EQ(w->height(), buttonsBottom + 75);
    for (QLabel* label :
         {w->LbDebugInfo0, w->LbDebugInfo1, w->LbDebugInfo2, w->LbDebugInfo3, w->LbHttpRoot, w->LbBaseHRef}) {
        EXPECT_TRUE(label->isVisibleTo(w.get())) << label->objectName().toStdString();
        EXPECT_LE(label->y() + label->height(), w->height());
    }
    EXPECT_EQ(w->LbBaseHRef->text(), server.Base());

    server.SetAnswer(recordWith("<GNames><GName>SUPERADMINS2</GName></GNames>"));
    w->UpdateView(true);
    EXPECT_EQ(w->height(), app::FormHeight);
    EXPECT_EQ(w->LbDebugInfo0->y(), w->JvXPNext->y());
    EXPECT_TRUE(w->LbDebugInfo0->isVisibleTo(w.get()));
    EXPECT_FALSE(w->LbDebugInfo1->isVisibleTo(w.get()));
}

TEST_F(WindowTest, UpdateHintsThereAndBack) {
    WriteIni(Parameters());
    auto w = Open();
    QPushButton* buttons[] = {w->JvXPBtnActualize, w->JvXPBtnNewVO, w->JvXPBtnPrint,
                              w->JvXPBtnSuppr,     w->JvXPNext,     w->JvXPPrev};
    const QString designed[] = {"rechargement des informations du véhicule",
                                "nouveau véhicule",
                                "impression de la fiche du véhicule",
                                "suppression de l'enregistrement",
                                "enregistrement suivant",
                                "enregistrement précédent"};
    const QString customer[] = {"rechargement des informations du client",
                                "nouveau client",
                                "impression de la fiche du client",
                                "suppression de l'enregistrement",
                                "enregistrement suivant",
                                "enregistrement précédent"};
    w->UpdateHints(true);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(platform::Hint(buttons[i]), customer[i]);
    w->UpdateHints(true);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(platform::Hint(buttons[i]), customer[i]);
    w->UpdateHints(false);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(platform::Hint(buttons[i]), designed[i]);
}

TEST_F(WindowTest, HintEventShowsTheLongHint) {
    WriteIni(Parameters());
    auto w = Open();
    Tick(*w); // the first load turns hints on
    platform::SetHint(w->JvXPBtnSave, "Enregistrer|enregistrement des modifications");
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(w->JvXPBtnSave, &enter);
    EXPECT_EQ(w->LbDebugInfo3->text(), "enregistrement des modifications");
    Tick(*w); // and the next tick takes the line back
    EXPECT_TRUE(w->LbDebugInfo3->text().startsWith("[12]"));
}
