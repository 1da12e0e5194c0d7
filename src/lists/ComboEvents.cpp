// What the user does in a descriptor combo: entering and leaving it, keys, and the value a
// change stores.
#include "PickLists.h"
#include "ReferenceLists.h"
#include "app/AxGarvex.h"
#include "platform/Controls.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QFocusEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStringListModel>

namespace lists {
namespace {

QStringList itemsOf(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

constexpr int kKeypadMinus = int(Qt::Key_Minus) | int(Qt::KeypadModifier);
constexpr int kKeypadPlus = int(Qt::Key_Plus) | int(Qt::KeypadModifier);

// The request of a reference-list key while the mark blinks and Ctrl is held: 0 add, -1 delete,
// 1 none.
int rubricAction(int key, int deleteKey, int addKey, int position) {
    if (key == deleteKey && position != -1) return -1;
    if (key == addKey && position == -1) return 0;
    return 1;
}

} // namespace

// Routes the events of a control to the handlers: all of them for descriptor combos, only the
// key-down for bound edits.
class PickLists::EventLink : public QObject {
public:
    EventLink(PickLists& lists, bool allEvents) : QObject(&lists), m_lists(lists), m_all(allEvents) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* control = qobject_cast<QWidget*>(watched);
        if (!control) return false;
        switch (event->type()) {
        case QEvent::KeyPress: {
            auto* e = static_cast<QKeyEvent*>(event);
            int key = e->key() | int(e->modifiers() & Qt::KeypadModifier);
            m_lists.CBoxKeyDown(control, key);
            if (key == 0) return true;
            if (m_all && m_lists.GoOnKeyPress && !e->text().isEmpty()) {
                QChar c = e->text().front();
                m_lists.GoOnKeyPress(control, c);
                if (c.isNull()) return true;
            }
            return false;
        }
        case QEvent::KeyRelease: {
            if (!m_all) return false;
            auto* e = static_cast<QKeyEvent*>(event);
            int key = e->key() | int(e->modifiers() & Qt::KeypadModifier);
            m_lists.cBoxKeyUp(control, key);
            return key == 0;
        }
        case QEvent::FocusIn:
        case QEvent::FocusOut: {
            auto* box = qobject_cast<QComboBox*>(control);
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            // The drop-down list opening and the window losing the focus do not leave the box.
            if (!m_all || !box || reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason)
                return false;
            if (event->type() == QEvent::FocusIn)
                m_lists.CBoxEnter(box);
            else
                m_lists.CBoxExit(box);
            return false;
        }
        default:
            return false;
        }
    }

private:
    PickLists& m_lists;
    bool m_all;
};

QObject* PickLists::newEventLink(bool allEvents) {
    return new EventLink(*this, allEvents);
}

void PickLists::AttachKeyDown(QWidget* control) {
    control->installEventFilter(m_keyDownEvents);
}

void PickLists::CBoxEnter(QComboBox* box) {
    auto& s = m_form.State;
    if (const int listWidth = ListWidth(box); listWidth > box->width()) box->resize(listWidth, box->height());
    const record::TsDesc* desc = descOf(box);
    if (!desc) return;
    if (s.RightSuperAdmin && m_form.Dialogs.CtrlHeld() && desc->tControl == 111 && desc->tInfo == 2 &&
        desc->RubricTable != desc->ListKey) {
        m_rubriqueBox = box;
        s.BlinkOn = true;
        QFrame* marker = m_form.Shape1;
        marker->setParent(box->parentWidget());
        marker->setGeometry(box->x() - 3, box->y(), box->width() + 6, box->height());
        marker->stackUnder(box);
        marker->show();
    }
    if (!desc->ListKey.isEmpty()) attachCompletion(box);
    box->lineEdit()->selectAll();
}

void PickLists::attachCompletion(QComboBox* box) {
    if (!m_completion) {
        m_completionList = new QStringListModel(this);
        m_completion = new QCompleter(m_completionList, this);
        m_completion->setCaseSensitivity(Qt::CaseInsensitive);
        m_completion->setCompletionMode(QCompleter::PopupCompletion);
        connect(m_completion, qOverload<const QString&>(&QCompleter::activated), this,
                [this](const QString& text) {
                    if (!m_completionBox) return;
                    const int i = m_completionBox->findText(text, Qt::MatchFixedString);
                    if (i >= 0)
                        m_completionBox->setCurrentIndex(i);
                    else
                        m_completionBox->setEditText(text);
                });
    }
    const QStringList items = itemsOf(box);
    // Boxes created at run time have no name, so the box itself tells whether to rebind; a box
    // refilled since it was last bound offers its new items. The box keeps its own inline
    // completion: the shared one is a pop-up beside it, fed by what the user types.
    if (box != m_completionBox) {
        disconnect(m_completionTyping);
        m_completionBox = box;
        m_lastCompletionBox = box->objectName();
        m_completion->setWidget(box);
        m_completionTyping =
            connect(box->lineEdit(), &QLineEdit::textEdited, m_completion, [this](const QString& text) {
                m_completion->setCompletionPrefix(text);
                if (text.isEmpty())
                    m_completion->popup()->hide();
                else
                    m_completion->complete();
            });
    }
    if (m_completionList->stringList() != items) m_completionList->setStringList(items);
}

void PickLists::CBoxExit(QComboBox* box) {
    if (!CBoxControl(box).accepted) return;
    auto& s = m_form.State;
    if (s.BlinkOn) {
        m_form.Shape1->hide();
        s.BlinkOn = false;
    }
    const record::TsDesc* desc = descOf(box);
    if (const int listWidth = ListWidth(box); desc && listWidth != 0 && listWidth != desc->Width)
        box->resize(desc->Width, box->height());
}

void PickLists::CBoxChange(QWidget* sender) {
    if (loading()) return;
    if (GoTestVerrou && !GoTestVerrou()) return;
    if (auto* box = qobject_cast<QComboBox*>(sender)) CBoxControl(box);
}

PickLists::ControlResult PickLists::CBoxControl(QComboBox* box) {
    record::TsDesc* desc = descOf(box);
    if (!desc) return {};
    const int tag = platform::Tag(box);
    const QString text = box->currentText();
    const QStringList items = itemsOf(box);
    if (desc->ListOnly && !ListOnlyAccepts(items, text)) {
        if (!loading()) box->setFocus();
        return {0, 0, false};
    }
    if (!items.isEmpty()) {
        // A typed text selects the item it names, letter case aside, as a pick would.
        int selected = box->currentIndex();
        if (selected < 0 || box->itemText(selected) != text)
            selected = box->findText(text, Qt::MatchFixedString);
        desc->CurValue = ComboValue(m_form.State.XmlEquip, {items, selected, text}, desc->IndexMode,
                                    desc->ListKey, desc->EmptyFirst, desc->tInfo);
        if (TestPageUpdate) TestPageUpdate(record::PageOfTag(tag));
    }
    return {record::PageOfTag(tag), record::IndexOfTag(tag), true};
}

int PickLists::IndexOfRubrique() const {
    if (!m_rubriqueBox) return -1;
    const QString text = m_rubriqueBox->currentText();
    for (int i = m_rubriqueBox->count() - 1; i >= 0; --i)
        if (m_rubriqueBox->itemText(i) == text) return i;
    return -1;
}

void PickLists::CBoxKeyDown(QWidget* sender, int& key) {
    if (GoOnKeyDown) GoOnKeyDown(sender, key);
    if (key == 0) return;
    const record::TsDesc* desc = descOf(sender);
    auto* box = qobject_cast<QComboBox*>(sender);
    if (box && desc && key == Qt::Key_Delete && desc->tControl == 111 && desc->tInfo == 2) {
        box->setEditText(QString());
        key = 0;
        return;
    }
    if (!m_form.State.BlinkOn || !m_form.Dialogs.CtrlHeld() || key == Qt::Key_Control || !m_rubriqueBox)
        return;
    // The keypad's minus and plus ask on key up; typed into the text they would change the entry.
    if (key == kKeypadMinus || key == kKeypadPlus) {
        key = 0;
        return;
    }
    if (const int action = rubricAction(key, Qt::Key_D, Qt::Key_S, IndexOfRubrique());
        action != 1 && ActionInfoRubrique)
        ActionInfoRubrique(m_rubriqueBox, action);
}

void PickLists::cBoxKeyUp(QWidget* sender, int& key) {
    Q_UNUSED(sender);
    if (!m_form.State.BlinkOn || !m_form.Dialogs.CtrlHeld() || !m_rubriqueBox) return;
    if (const int action = rubricAction(key, kKeypadMinus, kKeypadPlus, IndexOfRubrique());
        action != 1 && ActionInfoRubrique)
        ActionInfoRubrique(m_rubriqueBox, action);
}

} // namespace lists
