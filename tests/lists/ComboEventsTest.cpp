// Entering, typing in and leaving descriptor combos on the shown window: list-only boxes, list
// widths, the Ctrl-entry mark, keys, the record lock and the shared auto-completion.
#include "PickListsFixture.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QFrame>
#include <QLineEdit>

namespace {

void typeText(QComboBox* box, const QString& text) {
    box->lineEdit()->selectAll();
    if (text.isEmpty())
        QTest::keyClick(box, Qt::Key_Backspace);
    else
        QTest::keyClicks(box, text);
}

} // namespace

TEST_F(PickListsTest, ListOnlyBoxRefusesUnknownTextAndKeepsTheFocus) {
    ShowSheet(1);
    QComboBox* box = FormCombo(1, "cCarrosserie", true);
    QComboBox* other = FormCombo(1, "cEnergie");
    record::TsDesc& d = Bind(1, box, Desc("Carrosserie", "Carrosserie", 111, 2, "Berline"));
    Bind(1, other, Desc("Energie", "Energie", 112, 2, "1"));
    EXPECT_TRUE(d.ListOnly);
    EXPECT_TRUE(box->isEditable());

    const struct {
        const char* typed;
        bool accepted;
        const char* stored;
    } cases[] = {
        {"break", true, "break"},      // an item in another letter case
        {"Cabriolet", false, "break"}, // no item: refused, the value stays
        {"", true, ""},                // emptied
        {"BERLINE", true, "BERLINE"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        box->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), box);
        typeText(box, c.typed);
        EXPECT_EQ(box->currentText(), c.typed);
        other->setFocus();
        EXPECT_EQ(QApplication::focusWidget(), c.accepted ? other : box);
        EXPECT_EQ(d.CurValue, c.stored);
    }
}

TEST_F(PickListsTest, ListWidthWidensTheBoxWhileItHasTheFocus) {
    ShowSheet(7);
    QComboBox* other = FormCombo(7, "aCliNom");
    const struct {
        const char* name;
        bool listOnly;
        const char* typed; // leaving with this text
        int entered, left;
    } cases[] = {
        {"aidCom", false, "", 190, 120},              // the form's list width
        {"aCliPays", false, "", 120, 120},            // a narrower list never shrinks the box
        {"aCliCivilite", false, "", 120, 120},        // no list width
        {"aCliSituation", true, "Inconnu", 160, 160}, // a refused text keeps it wide
    };
    for (const auto& c : cases)
        FormCombo(7, c.name, c.listOnly);
    lists->AttachFormHandlers();
    lists::SetListWidth(w->findChild<QComboBox*>("aCliSituation"), 160);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto* box = w->findChild<QComboBox*>(c.name);
        Bind(7, box, Desc(c.name, "Carrosserie", 111, 2, "Break"));
        box->setFocus();
        EXPECT_EQ(box->width(), c.entered);
        typeText(box, c.typed);
        other->setFocus();
        EXPECT_EQ(box->width(), c.left);
    }
}

TEST_F(PickListsTest, CtrlEntryMarksTheBoxForReferenceListEditing) {
    ShowSheet(1);
    QComboBox* other = FormCombo(1, "cNVO");
    const struct {
        bool superAdmin, ctrl;
        int tControl;
        const char* rubricTable;
        bool marked;
    } cases[] = {
        {true, true, 111, "tCouleurs", true},    {false, true, 111, "tCouleurs", false},
        {true, false, 111, "tCouleurs", false},  {true, true, 112, "tCouleurs", false},
        {true, true, 111, "InfoCouleur", false}, // the table is the list itself: not editable
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(n);
        w->State.RightSuperAdmin = c.superAdmin;
        dialogs.ctrl = c.ctrl;
        QComboBox* box = FormCombo(1, QStringLiteral("cInfoCouleur%1").arg(++n));
        record::TsDesc d = Desc("InfoCouleur", "InfoCouleur", c.tControl, 2, "Rouge");
        d.RubricTable = c.rubricTable;
        Bind(1, box, d);
        box->setFocus();
        EXPECT_EQ(w->State.BlinkOn, c.marked);
        EXPECT_EQ(lists->RubriqueBox() == box, c.marked);
        EXPECT_EQ(w->Shape1->isVisible(), c.marked);
        if (c.marked) {
            EXPECT_EQ(w->Shape1->parentWidget(), box->parentWidget());
            EXPECT_EQ(w->Shape1->geometry(), box->geometry().adjusted(-3, 0, 3, 0));
            // The heartbeat blinks it.
            Tick(*w);
            EXPECT_FALSE(w->Shape1->isVisible());
            Tick(*w, 3);
            EXPECT_TRUE(w->Shape1->isVisible());
        }
        dialogs.ctrl = false;
        other->setFocus();
        EXPECT_FALSE(w->State.BlinkOn);
        EXPECT_FALSE(w->Shape1->isVisible());
        Tick(*w, 4);
        EXPECT_FALSE(w->Shape1->isVisible());
    }
}

TEST_F(PickListsTest, CtrlKeysAskToAddOrDeleteTheMarkedEntry) {
    ShowSheet(1);
    std::vector<std::pair<QComboBox*, int>> asked;
    lists->ActionInfoRubrique = [&](QComboBox* box, int action) { asked.emplace_back(box, action); };
    w->State.RightSuperAdmin = true;
    dialogs.ctrl = true;
    QComboBox* box = FormCombo(1, "cInfoCouleur");
    record::TsDesc d = Desc("InfoCouleur", "Carrosserie", 111, 2, "Break");
    d.RubricTable = "tCarrosseries";
    Bind(1, box, d);
    box->setFocus();
    ASSERT_TRUE(w->State.BlinkOn);

    const struct {
        const char* text;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int action; // 1: nothing asked
    } cases[] = {
        {"Break", Qt::Key_D, Qt::ControlModifier, -1},
        {"Break", Qt::Key_S, Qt::ControlModifier, 1}, // already in the list
        {"Coupé", Qt::Key_S, Qt::ControlModifier, 0},
        {"Coupé", Qt::Key_D, Qt::ControlModifier, 1}, // not in the list
        {"Break", Qt::Key_Minus, Qt::KeypadModifier | Qt::ControlModifier, -1},
        {"Coupé", Qt::Key_Plus, Qt::KeypadModifier | Qt::ControlModifier, 0},
        {"Coupé", Qt::Key_Plus, Qt::ControlModifier, 1}, // not the keypad's
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " " + std::to_string(c.key));
        box->setEditText(c.text);
        EXPECT_EQ(lists->IndexOfRubrique(), c.text == QString("Break") ? 1 : -1);
        asked.clear();
        QTest::keyClick(box, c.key, c.modifiers);
        if (c.action == 1)
            EXPECT_TRUE(asked.empty());
        else
            EXPECT_EQ(asked, (std::vector<std::pair<QComboBox*, int>>{{box, c.action}}));
    }
}

TEST_F(PickListsTest, DeleteEmptiesEditableTextListsAndTheLockDropsKeys) {
    ShowSheet(1);
    const struct {
        int tControl, tInfo;
        bool locked;
        const char* after;
    } cases[] = {
        {111, 2, false, ""},
        {112, 2, false, "Break"},
        {111, 3, false, "Oui"},
        {111, 2, true, "Break"},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(n);
        const bool locked = c.locked;
        int lockShown = 0;
        lists->GoTestVerrou = [&] {
            lockShown += locked;
            return !locked;
        };
        lists->GoOnKeyDown = [&](QWidget*, int& key) {
            if (!lists->GoTestVerrou()) key = 0;
        };
        QComboBox* box = FormCombo(1, QStringLiteral("cListe%1").arg(++n));
        const char* loaded = c.tInfo == 3 ? "True" : c.tControl == 112 ? "2" : "Break";
        record::TsDesc& d = Bind(
            1, box, Desc("Liste", c.tInfo == 3 ? "Garantie" : "Carrosserie", c.tControl, c.tInfo, loaded));
        box->setFocus();
        box->lineEdit()->end(false);
        QTest::keyClick(box, Qt::Key_Delete);
        EXPECT_EQ(box->currentText(), c.after);
        // A locked record records no change, whatever changes the text.
        box->setCurrentIndex(0);
        EXPECT_EQ(d.CurValue == loaded, c.locked);
        EXPECT_EQ(lockShown > 0, c.locked);
        // Bound edits pass their keys through the same guard.
        auto* edit = new QLineEdit(w->Sheets[0]);
        edit->show();
        lists->AttachKeyDown(edit);
        edit->setFocus();
        QTest::keyClicks(edit, "x");
        EXPECT_EQ(edit->text(), c.locked ? "" : "x");
    }
}

TEST_F(PickListsTest, OneAutoCompletionFollowsTheFocus) {
    ShowSheet(1);
    QComboBox* bodies = FormCombo(1, "cCarrosserie");
    QComboBox* gears = FormCombo(1, "cBoiteVitesse");
    Bind(1, bodies, Desc("Carrosserie", "Carrosserie", 111, 2, "Break"));
    record::TsDesc& gearDesc = Bind(1, gears, Desc("BoiteVitesse", "BoiteVitesse", 111, 2, "M"));

    bodies->setFocus();
    QCompleter* shared = lists->AutoCompletion();
    ASSERT_NE(shared, nullptr);
    EXPECT_EQ(shared->widget(), bodies);
    EXPECT_EQ(lists->LastCompletionBox(), "cCarrosserie");
    gears->setFocus();
    EXPECT_EQ(shared->widget(), gears);
    EXPECT_EQ(lists->LastCompletionBox(), "cBoiteVitesse");

    // Typing offers the focused box's items; picking one chooses it.
    typeText(gears, "a");
    ASSERT_TRUE(shared->popup()->isVisible());
    EXPECT_EQ(shared->completionCount(), 1);
    QTest::keyClick(shared->popup(), Qt::Key_Down);
    QTest::keyClick(shared->popup(), Qt::Key_Return);
    EXPECT_EQ(gears->currentIndex(), 1);
    EXPECT_EQ(gearDesc.CurValue, "A");
    EXPECT_EQ(bodies->currentText(), "Break") << "the box left before is not touched";

    // A box refilled since it was last bound offers its new items.
    auto* plain = new QLineEdit(w->Sheets[0]);
    plain->show();
    plain->setFocus();
    gears->clear();
    gears->addItems({"Alpha", "Avant", "Bravo"});
    gears->setFocus();
    typeText(gears, "a");
    EXPECT_EQ(shared->completionCount(), 2);
}
