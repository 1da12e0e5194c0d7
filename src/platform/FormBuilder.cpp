#include "FormBuilder.h"

#include "Controls.h"
#include "Widgets.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

namespace platform {
namespace {

QWidget* create(const ControlRow& row, QWidget* parent) {
    const QString caption = QString::fromUtf8(row.caption);
    switch (row.kind) {
    case ControlKind::Panel: {
        auto* w = new QFrame(parent);
        w->setAutoFillBackground(true);
        return w;
    }
    case ControlKind::Label:
        return new QLabel(caption, parent);
    case ControlKind::Edit:
        return new QLineEdit(parent);
    case ControlKind::OneLineMemo:
        return new TMemo(parent, true);
    case ControlKind::Memo:
        return new TMemo(parent);
    case ControlKind::Date:
        return new TDatePicker(parent);
    case ControlKind::Number:
        return new TNumberEdit(parent);
    case ControlKind::Combo:
        return new QComboBox(parent);
    case ControlKind::ListBox: {
        auto* w = new QListWidget(parent);
        w->setSelectionMode(QAbstractItemView::MultiSelection);
        return w;
    }
    case ControlKind::Button:
        return new QPushButton(caption, parent);
    case ControlKind::PageControl:
        return new QTabWidget(parent);
    case ControlKind::Sheet: {
        auto* tabs = qobject_cast<QTabWidget*>(parent);
        if (!tabs) qFatal("form table: sheet %s is not inside a page control", row.name);
        auto* w = new QWidget;
        tabs->addTab(w, caption);
        return w;
    }
    case ControlKind::Image: {
        auto* w = new QLabel(parent);
        w->setScaledContents(true);
        return w;
    }
    case ControlKind::Shape: {
        auto* w = new QFrame(parent);
        w->setAutoFillBackground(true);
        return w;
    }
    case ControlKind::Grid: {
        auto* w = new QTableWidget(parent);
        w->setSelectionBehavior(QAbstractItemView::SelectRows);
        w->setSelectionMode(QAbstractItemView::SingleSelection);
        w->setEditTriggers(QAbstractItemView::NoEditTriggers);
        w->verticalHeader()->hide();
        return w;
    }
    }
    return nullptr;
}

} // namespace

void BuildControls(QWidget* root, std::span<const ControlRow> rows) {
    for (const ControlRow& row : rows) {
        QWidget* parent = *row.parent ? root->findChild<QWidget*>(QString::fromLatin1(row.parent)) : root;
        if (!parent) qFatal("form table: parent %s of %s not found", row.parent, row.name);
        QWidget* w = create(row, parent);
        w->setObjectName(QString::fromLatin1(row.name));
        if (row.kind != ControlKind::Sheet) w->setGeometry(row.left, row.top, row.width, row.height);
        if (*row.hint) SetHint(w, QString::fromUtf8(row.hint));
    }
}

QWidget* RequireControl(QWidget* root, const char* name, const char* className) {
    for (QWidget* w : root->findChildren<QWidget*>(QString::fromLatin1(name)))
        if (w->inherits(className)) return w;
    qFatal("form: no control %s of class %s", name, className);
}

} // namespace platform
