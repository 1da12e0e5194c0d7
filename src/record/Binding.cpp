// Binding one descriptor to its control: found by name or made, by kind; its caption label.
#include "Layout.h"
#include "app/AxGarvex.h"
#include "platform/Controls.h"
#include "platform/Widgets.h"
#include "record/ChangeTracker.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace record {
namespace {

Colour colourValue(const QColor& c) {
    return c.red() | c.green() << 8 | c.blue() << 16;
}

// The first direct child of the container with exactly that name, in the container's order.
QWidget* directChild(QWidget* container, const QString& name) {
    for (QObject* o : container->children())
        if (o->isWidgetType() && o->objectName() == name) return static_cast<QWidget*>(o);
    return nullptr;
}

// A mandatory field loaded empty has its caption underlined.
bool looksEmpty(const QString& value) {
    return value.isEmpty() || value == u"0" || value == u"0.00";
}

} // namespace

QWidget* TLayout::containerOf(int page, int idNum) {
    if (idNum >= 1000) return m_panelCompta;
    return page >= 1 ? F.Sheets[page - 1] : nullptr;
}

void TLayout::bindOrCreate(int page, int index, const DescriptorKeys& keys, bool visible) {
    TsDesc& desc = state().Pages[page].Descs[index];
    const int idNum = IntegerKey(keys.idNum);
    const Place place{GeometryOf(keys), IntegerKey(keys.length), containerOf(page, idNum)};
    if (!place.Container) {
        // A page-0 field outside the accounting panel has nowhere to go: it stays a field
        // without control.
        trace(QStringLiteral("Champ sans onglet : ") + desc.FieldName);
        return;
    }
    m_place = &place;
    const bool onPanelCompta = place.Container == m_panelCompta;
    const int tControl = desc.tControl;
    const bool combo = tControl == 111 || tControl == 112;
    QWidget* found = directChild(place.Container, state().Pages[page].ControlPrefix + desc.FieldName);
    if (found) {
        const bool firstBinding = platform::Tag(found) == 0;
        found->setVisible(visible);
        if (tControl == 110 && qobject_cast<QListWidget*>(found))
            BindListBox(qobject_cast<QListWidget*>(found), page, index);
        else if (combo && qobject_cast<QComboBox*>(found))
            comboEvents(qobject_cast<QComboBox*>(found), page, index);
        else if (tControl == 104 && qobject_cast<QAbstractButton*>(found))
            BindButton(qobject_cast<QAbstractButton*>(found), page, index);
        else if (tControl == 109)
            BindEdit(found, page, index);
        if (firstBinding && !desc.txtInfo.isEmpty() && tControl != 104 && visible) {
            if (CaptionAbove(tControl))
                CreateCaptionLabel(page, index, found->x(), found->y() - 20, place.Geometry.Height,
                                   onPanelCompta);
            else
                CreateCaptionLabel(page, index, place.Geometry.Left, found->y(), place.Geometry.Height,
                                   onPanelCompta);
        }
    } else if (place.Geometry.Width != 0) {
        if (!desc.txtInfo.isEmpty() && tControl != 104)
            CreateCaptionLabel(page, index, place.Geometry.Left, place.Geometry.Top, place.Geometry.Height,
                               onPanelCompta);
        if (tControl == 110)
            BindListBox(nullptr, page, index);
        else if (tControl == 104)
            BindButton(nullptr, page, index);
        else if (combo)
            comboEvents(nullptr, page, index);
        else
            BindEdit(nullptr, page, index);
        TsDesc& placed = state().Pages[page].Descs[index];
        for (QWidget* w : {placed.ValueControl, static_cast<QWidget*>(placed.Button),
                           static_cast<QWidget*>(placed.CaptionLabel)})
            if (w) w->setVisible(visible);
    }
    m_place = nullptr;
}

void TLayout::comboEvents(QComboBox* box, int page, int index) {
    if (Lists.CBoxEvents) Lists.CBoxEvents(box, page, index, m_keys);
}

void TLayout::enable(QWidget* control, const TsDesc& desc, bool right) {
    control->setEnabled(right && desc.Width != 0);
}

void TLayout::applyColors(QWidget* control, const TsDesc& desc, bool right) {
    platform::SetFieldColors(control, right, desc.BackColor, desc.FontColor);
}

void TLayout::BindEdit(QWidget* control, int page, int index) {
    TsDesc& desc = state().Pages[page].Descs[index];
    const bool created = !control;
    if (control) {
        if (desc.BackColor == 0) desc.BackColor = colourValue(control->palette().color(QPalette::Base));
    } else {
        control = new platform::TNumberEdit(m_place->Container);
    }
    desc.ValueControl = control;
    const bool right = FieldRight(page, desc);
    platform::SetTag(control, DescriptorTag(page, index));
    enable(control, desc, right);
    if (m_place && m_place->Length != 0)
        if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->setMaxLength(m_place->Length);
    if (Lists.AttachKeyDown) Lists.AttachKeyDown(control);
    platform::AttachOnChangeUnlessOwn(control, [this](QWidget* sender) { m_changes.EditChange(sender); });
    applyColors(control, desc, right);
    platform::SetControlText(control, desc.CurValue);
    if (created) {
        const FieldGeometry& g = m_place->Geometry;
        control->setGeometry(g.Left, g.Top, desc.Width, g.Height - 1);
    }
}

void TLayout::BindButton(QAbstractButton* control, int page, int index) {
    TsDesc& desc = state().Pages[page].Descs[index];
    const bool created = !control;
    if (!control) control = new QPushButton(desc.txtInfo, m_place->Container);
    desc.Button = control;
    const bool right = FieldRight(page, desc);
    platform::SetTag(control, DescriptorTag(page, index));
    enable(control, desc, right);
    QPalette p = control->palette();
    if (right)
        p.setColor(QPalette::ButtonText, platform::ColorFromBgr(desc.FontColor));
    else
        p.setColor(QPalette::Button, platform::InactiveBorderColor());
    control->setPalette(p);
    if (created) {
        const FieldGeometry& g = m_place->Geometry;
        control->setGeometry(g.Left, g.Top + 2, desc.Width, g.Height - 1);
    }
}

void TLayout::BindListBox(QListWidget* control, int page, int index) {
    TsDesc& desc = state().Pages[page].Descs[index];
    const bool created = !control;
    if (control) {
        control->clear();
        if (desc.BackColor == 0) desc.BackColor = colourValue(control->palette().color(QPalette::Base));
    } else {
        control = new QListWidget(m_place->Container);
        control->setSelectionMode(QAbstractItemView::MultiSelection);
    }
    desc.ListBox = control;
    desc.ValueControl = control;
    const bool right = FieldRight(page, desc);
    platform::SetTag(control, DescriptorTag(page, index));
    enable(control, desc, right);
    applyColors(control, desc, right);
    if (created) {
        const FieldGeometry& g = m_place->Geometry;
        control->setGeometry(g.Left, g.Top + 21, desc.Width, g.Height + 4);
    }
}

void TLayout::CreateCaptionLabel(int page, int index, int left, int top, int height, bool onPanelCompta) {
    TsDesc& desc = state().Pages[page].Descs[index];
    QWidget* parent = onPanelCompta ? m_panelCompta : F.Sheets[page - 1];
    auto* label = new QLabel(desc.txtInfo, parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    desc.CaptionLabel = label;
    platform::SetTag(label, DescriptorTag(page, index));
    const int x = CaptionAbove(desc.tControl) ? left : CaptionLeft(left, desc.tControl);
    label->setGeometry(x, top + 2, label->sizeHint().width(), height);
    label->lower(); // beneath the controls, as the form's own labels are
    label->show();
}

void TLayout::styleCaption(const TsDesc& desc) {
    if (!desc.CaptionLabel) return;
    QFont f = desc.CaptionLabel->font();
    f.setUnderline(desc.notNull && looksEmpty(desc.CurValue));
    desc.CaptionLabel->setFont(f);
    QPalette p = desc.CaptionLabel->palette();
    p.setColor(QPalette::WindowText, Qt::black);
    desc.CaptionLabel->setPalette(p);
}

} // namespace record
