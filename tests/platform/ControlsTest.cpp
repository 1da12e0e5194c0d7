// The VCL behaviour of the controls, on real widgets.
#include "platform/Controls.h"

#include "platform/FormBuilder.h"
#include "platform/Widgets.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTabWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using namespace platform;

namespace {

struct ValueCase {
    const char* what;
    std::function<QWidget*()> make;
    QString written; // passed to SetControlText
    QString read;    // what ControlText gives back
};

QComboBox* combo(bool editable) {
    auto* c = new QComboBox;
    c->addItems({"VO", "VD", "VN"});
    c->setEditable(editable);
    c->setCurrentIndex(-1);
    return c;
}

} // namespace

TEST(Controls, ProgramChangesFireTheHandlerAndTheTextReadsBack) {
    const ValueCase cases[] = {
        {"edit", [] { return new QLineEdit; }, "Orla", "Orla"},
        {"number edit", [] { return new TNumberEdit; }, "12.50", "12.50"},
        {"memo keeps CR LF", [] { return new TMemo; }, "ligne 1\r\nligne 2", "ligne 1\r\nligne 2"},
        {"one-line memo", [] { return new TMemo(nullptr, true); }, "DUPONT", "DUPONT"},
        {"date", [] { return new TDatePicker; }, "25/12/2009", "25/12/2009"},
        {"date emptied shows the mask",
         [] {
             auto* d = new TDatePicker;
             d->setText("01/01/2010");
             return d;
         },
         "", "__/__/____"},
        {"date given the mask is empty",
         [] {
             auto* d = new TDatePicker;
             d->setText("01/01/2010");
             return d;
         },
         "__/__/____", "__/__/____"},
        {"combo list", [] { return combo(false); }, "VD", "VD"},
        {"combo list, unknown item",
         [] {
             auto* c = combo(false);
             c->setCurrentIndex(0);
             return c;
         },
         "XX", ""},
        {"combo with typing", [] { return combo(true); }, "Autre", "Autre"},
    };
    for (const ValueCase& c : cases) {
        SCOPED_TRACE(c.what);
        std::unique_ptr<QWidget> w(c.make());
        QWidget* sender = nullptr;
        int fired = 0;
        SetOnChange(w.get(), [&](QWidget* s) {
            sender = s;
            ++fired;
        });
        SetControlText(w.get(), c.written);
        EXPECT_EQ(ControlText(w.get()), c.read);
        EXPECT_GE(fired, 1);
        EXPECT_EQ(sender, w.get());
    }
}

TEST(Controls, MemoShowsLinesAndEmptyDateReadsAsMask) {
    TMemo memo;
    memo.SetText("a\r\nb");
    EXPECT_EQ(memo.toPlainText(), "a\nb");
    EXPECT_EQ(memo.document()->blockCount(), 2);
    TDatePicker date;
    EXPECT_EQ(ControlText(&date), "__/__/____");
}

TEST(Controls, OneHandlerPerControlAndOwnHandlersAreKept) {
    QLineEdit edit;
    int own = 0, general = 0;
    EXPECT_FALSE(HasOnChange(&edit));
    EXPECT_TRUE(AttachOnChangeUnlessOwn(&edit, [&](QWidget*) { ++general; }));
    SetOnChange(&edit, [&](QWidget*) { ++own; }); // replaces, never adds
    EXPECT_FALSE(AttachOnChangeUnlessOwn(&edit, [&](QWidget*) { ++general; }));
    edit.setText("x");
    EXPECT_EQ(own, 1);
    EXPECT_EQ(general, 0);
    SetOnChange(&edit, {});
    EXPECT_FALSE(HasOnChange(&edit));
    edit.setText("y");
    EXPECT_EQ(own, 1);
}

TEST(Controls, TagAndHints) {
    QLabel label;
    EXPECT_EQ(Tag(&label), 0);
    SetTag(&label, 30007);
    EXPECT_EQ(Tag(&label), 30007);

    struct {
        QString hint, shortPart, longPart;
    } const hints[] = {
        {"nouveau véhicule", "nouveau véhicule", "nouveau véhicule"},
        {"Enregistrer|enregistrement des modifications", "Enregistrer", "enregistrement des modifications"},
        {"|seulement la ligne d'état", "", "seulement la ligne d'état"},
        {"a|b|c", "a", "b|c"},
    };
    for (const auto& h : hints) {
        SetHint(&label, h.hint);
        EXPECT_EQ(Hint(&label), h.hint);
        EXPECT_EQ(label.toolTip(), h.shortPart);
        EXPECT_EQ(LongHint(Hint(&label)), h.longPart);
    }
}

TEST(Controls, EnabledAndDisabledColoursAreKeptApart) {
    QLineEdit edit;
    SetColors(&edit, Qt::yellow, Qt::blue);
    SetDisabledColors(&edit, QColor(64, 64, 240), Qt::black);
    const QPalette p = edit.palette();
    EXPECT_EQ(p.color(QPalette::Active, QPalette::Base), QColor(Qt::yellow));
    EXPECT_EQ(p.color(QPalette::Inactive, QPalette::Text), QColor(Qt::blue));
    EXPECT_EQ(p.color(QPalette::Disabled, QPalette::Base), QColor(64, 64, 240));
    EXPECT_EQ(p.color(QPalette::Disabled, QPalette::Text), QColor(Qt::black));
}

TEST(FormBuilder, BuildsNamedControlsIntoTheirParents) {
    using K = ControlKind;
    const ControlRow rows[] = {
        {K::PageControl, "Tabs", "", 0, 0, 400, 300},
        {K::Sheet, "Sheet01", "Tabs", 0, 0, 0, 0, "Véhicule"},
        {K::Date, "cDateEntree", "Sheet01", 10, 20, 100, 21},
        {K::ListBox, "cInfoEquiInterieur", "Sheet01", 10, 50, 200, 100},
        {K::Button, "JvXPBtnSave", "", 5, 310, 90, 25, "Enregistrer", "Enregistrer|enregistrement"},
    };
    QWidget root;
    BuildControls(&root, rows);
    auto* tabs = Require<QTabWidget>(&root, "Tabs");
    ASSERT_EQ(tabs->count(), 1);
    EXPECT_EQ(tabs->tabText(0), "Véhicule");
    auto* date = Require<TDatePicker>(&root, "cDateEntree");
    EXPECT_EQ(date->parentWidget(), tabs->widget(0));
    EXPECT_EQ(date->geometry(), QRect(10, 20, 100, 21));
    EXPECT_EQ(Require<QListWidget>(&root, "cInfoEquiInterieur")->selectionMode(),
              QAbstractItemView::MultiSelection);
    QWidget* save = Require<QWidget>(&root, "JvXPBtnSave");
    EXPECT_EQ(ControlText(save), "Enregistrer");
    EXPECT_EQ(save->toolTip(), "Enregistrer");
}
