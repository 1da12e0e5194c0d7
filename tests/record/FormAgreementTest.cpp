// The demo dealership's structure descriptors and the form's sheet tables name the same fields:
// a descriptor that names a form control finds it on its own sheet (or on the accounting panel),
// with a control of its kind, and every field control of the form is named by a descriptor.
#include "record/SheetTables.h"

#include <QFile>
#include <QHash>
#include <QSet>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

using platform::ControlKind;

struct Row {
    QHash<QString, QString> keys;
    QString operator[](const char* key) const { return keys.value(QString::fromLatin1(key)); }
};

std::vector<Row> demoDescriptors() {
    QFile f(QStringLiteral(GARVEX_SOURCE_DIR "/webserver/demo/StructDesc.tsv"));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << f.fileName().toStdString();
    QStringList header;
    std::vector<Row> rows;
    for (const QByteArray& line : f.readAll().split('\n')) {
        if (line.trimmed().isEmpty() || line.startsWith('#')) continue;
        const QStringList cells = QString::fromUtf8(line).remove(u'\r').split(u'\t');
        if (header.isEmpty()) {
            header = cells;
            continue;
        }
        Row r;
        for (int i = 0; i < header.size() && i < cells.size(); ++i)
            r.keys[header[i]] = cells[i];
        rows.push_back(r);
    }
    return rows;
}

bool isFieldControl(ControlKind k) {
    switch (k) {
    case ControlKind::Edit:
    case ControlKind::OneLineMemo:
    case ControlKind::Memo:
    case ControlKind::Date:
    case ControlKind::Number:
    case ControlKind::Combo:
    case ControlKind::ListBox:
        return true;
    default:
        return false;
    }
}

bool kindFits(int tControl, ControlKind k) {
    switch (tControl) {
    case 110:
        return k == ControlKind::ListBox;
    case 111:
    case 112:
        return k == ControlKind::Combo;
    case 104:
        return k == ControlKind::Button;
    default:
        return isFieldControl(k) && k != ControlKind::Combo && k != ControlKind::ListBox;
    }
}

} // namespace

TEST(FormAgreement, DemoDescriptorsAndSheetTablesNameTheSameControls) {
    struct Placed {
        int sheet;
        const platform::ControlRow* row;
    };
    QHash<QString, Placed> form;
    for (int sheet = 0; sheet < 9; ++sheet)
        for (const platform::ControlRow& row : record::SheetTable(sheet))
            form.insert(QString::fromLatin1(row.name), {sheet, &row});

    const std::vector<Row> rows = demoDescriptors();
    ASSERT_FALSE(rows.empty());
    QSet<QString> named;
    int bound = 0;
    for (const Row& page : rows) {
        const int number = page["idNum"].toInt();
        if (!page["descInfo"].startsWith(u'_') || number < 1) continue;
        for (const Row& field : rows) {
            if (field["descInfo"] != page["vInfo"]) continue;
            const QString name = page["defval"] + field["vInfo"].section(u';', 0, 0);
            named.insert(name);
            const auto found = form.constFind(name);
            if (found == form.cend()) continue;
            SCOPED_TRACE(name.toStdString());
            ++bound;
            EXPECT_EQ(found->sheet, number - 1);
            const bool onPanel = field["idNum"].toInt() >= 1000;
            EXPECT_STREQ(found->row->parent, onPanel ? "PanelCompta" : "");
            EXPECT_TRUE(kindFits(field["tControl"].toInt(), found->row->kind))
                << field["tControl"].toStdString();
        }
    }
    EXPECT_GT(bound, 100);
    for (auto it = form.cbegin(); it != form.cend(); ++it) {
        if (!isFieldControl(it.value().row->kind)) continue;
        EXPECT_TRUE(named.contains(it.key())) << it.key().toStdString() << " has no descriptor in the demo";
    }
}
