#pragma once
// The real window offscreen with the pick lists on it, a small reference-lists document, and
// combos and descriptors placed the way the layout pass places them.
#include "app/WindowFixture.h"
#include "lists/PickLists.h"
#include "platform/Controls.h"
#include "platform/Widgets.h"

#include <QComboBox>
#include <QTabWidget>
#include <QTest>

class PickListsTest : public WindowTest {
protected:
    static constexpr const char* kEquip =
        "<document><ParsS>"
        "<Pars><type>Energie</type><text>..</text></Pars>"
        "<Pars><type>Energie</type><text>Diesel</text></Pars>"
        "<Pars><type>Energie</type><text>Essence &amp;lt; GPL</text></Pars>"
        "<Pars><type>Carrosserie</type><text>Berline</text></Pars>"
        "<Pars><type>Carrosserie</type><text>Break</text></Pars>"
        "<Pars><type>BoiteVitesse</type><text>M : Manuelle</text></Pars>"
        "<Pars><type>BoiteVitesse</type><text>A : Automatique</text></Pars>"
        "<Pars><type>ModeTVA</type><text>TVA sur marge</text></Pars>"
        "<Pars><type>ModeTVA</type><text>TVA normale</text></Pars>"
        "<Pars><type>BOOLEAN</type><text>Non</text></Pars>"
        "<Pars><type>BOOLEAN</type><text>Oui</text></Pars>"
        "<Pars><type>Site</type><text>NORD</text></Pars>"
        "<Pars><type>Site</type><text>SUD</text></Pars>"
        "</ParsS><InfoComS>"
        "<InfoCom><idCom>7</idCom><cNom>Martin</cNom><Site>NORD;SUD</Site></InfoCom>"
        "<InfoCom><idCom>8</idCom><cNom>Durand</cNom><Site>SUD</Site></InfoCom>"
        "</InfoComS>"
        "<MarksS><Marks><vMark>ALBA</vMark></Marks><Marks><vMark>BRIO</vMark></Marks>"
        "<Marks><vMark>CORA</vMark></Marks></MarksS>"
        "<ModelsS>"
        "<Models><vMark>ALBA</vMark><vModel>A1</vModel></Models>"
        "<Models><vMark>ALBA</vMark><vModel>A2</vModel></Models>"
        "<Models><vMark>BRIO</vMark><vModel>B1</vModel></Models>"
        "<Models><vMark>ALBA</vMark><vModel>A9</vModel></Models>"
        "</ModelsS>"
        "<VNMarksS><VNMarks><vnMark>ALBA</vnMark></VNMarks></VNMarksS>"
        "<VNModelsS>"
        "<VNModels><vnMark>ALBA</vnMark><vnModel>A1</vnModel></VNModels>"
        "<VNModels><vnMark>ALBA</vnMark><vnModel>A2</vnModel></VNModels>"
        "</VNModelsS><VNVersionsS>"
        "<VNVersions><vnModel>A2</vnModel><vnVers>1.6 HDI</vnVers></VNVersions>"
        "<VNVersions><vnModel>A2</vnModel><vnVers>2.0 HDI</vnVers></VNVersions>"
        "</VNVersionsS></document>";

    std::unique_ptr<app::TAxGarvex> w;
    std::unique_ptr<lists::PickLists> lists; // gone before the window, as in the program

    void SetUp() override {
        WindowTest::SetUp();
        WriteIni(Parameters());
        w = Open();
        w->State.StartCount = 1; // ticks blink the marker but never start the first load
        lists = std::make_unique<lists::PickLists>(*w);
        auto& s = w->State;
        for (int page = 1; page < 10; ++page)
            s.Pages[page].Sheet = w->Sheets[page - 1];
        s.RecordKind = record::KindVO;
        s.RecordInScope = true;
        s.XmlRecord.Document = "<document><GNames><GName>USER_SVO</GName></GNames></document>";
        s.XmlEquip.Document = kEquip;
    }

    // The combo of the sheet of `page` named so, the form's own when it has one: a drop-down list
    // only, or an editable one, at a place of the test.
    QComboBox* FormCombo(int page, const QString& name, bool listOnly = false) {
        QWidget* sheet = w->Sheets[page - 1];
        auto* box = sheet->findChild<QComboBox*>(name, Qt::FindDirectChildrenOnly);
        if (!box) {
            box = new QComboBox(sheet);
            box->setObjectName(name);
        }
        box->setEditable(!listOnly);
        box->setGeometry(100, 10 + 30 * int(sheet->children().size()), 120, 22);
        box->show();
        return box;
    }
    // The one-line memo of the sheet of `page` named so, the form's own when it has one.
    platform::TMemo* FormMemo(int page, const QString& name, const QString& text) {
        QWidget* sheet = w->Sheets[page - 1];
        auto* memo = sheet->findChild<platform::TMemo*>(name, Qt::FindDirectChildrenOnly);
        if (!memo) {
            memo = new platform::TMemo(sheet, true);
            memo->setObjectName(name);
        }
        memo->SetText(text);
        return memo;
    }

    // A combo descriptor as the layout pass reads it, the user holding its rights.
    static record::TsDesc Desc(const QString& field, const QString& list, int tControl, int tInfo,
                               const QString& value) {
        record::TsDesc d;
        d.FieldName = field;
        d.ListName = d.ListKey = d.RubricTable = list;
        d.tControl = tControl;
        d.tInfo = tInfo;
        d.OrigValue = d.CurValue = value;
        d.RightsTag = ";SVO;";
        d.Width = 120;
        return d;
    }

    // Appends the descriptor to the page (after a key field, so that no combo gets Tag 0) and
    // sets its combo up inside a layout pass. The descriptors of a page stay in place, as
    // references to them are kept.
    record::TsDesc& Bind(int page, QComboBox* box, const record::TsDesc& d) {
        auto& descs = w->State.Pages[page].Descs;
        if (descs.empty()) {
            descs.reserve(32);
            descs.push_back(Desc("idVO", "", 109, 4, "12"));
        }
        descs.push_back(d);
        const int index = int(descs.size()) - 1;
        w->State.FlagLoading = true;
        lists->CBoxEvents(box, page, index);
        w->State.FlagLoading = false;
        return descs[index];
    }
    record::TsDesc& DescOf(QWidget* control) {
        const int tag = platform::Tag(control);
        return w->State.Pages[record::PageOfTag(tag)].Descs[record::IndexOfTag(tag)];
    }

    static QStringList Items(const QComboBox* box) {
        QStringList items;
        for (int i = 0; i < box->count(); ++i)
            items << box->itemText(i);
        return items;
    }

    // The window shown and active, the sheet of `page` in front, so that focus moves for real.
    void ShowSheet(int page) {
        w->Tabs->setCurrentIndex(page - 1);
        w->show();
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    }
};
