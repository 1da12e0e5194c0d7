#pragma once
// The record form's drop-down lists: setting up each descriptor combo from the reference lists,
// the make -> model -> type-version cascade, the version text, turning what the user picks or
// types back into the stored value, list widths, the shared auto-completion and the Ctrl-entry
// mark for reference-list editing.
#include <QComboBox>
#include <QCompleter>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <vector>

class QStringListModel;
class QWidget;

namespace app {
class TAxGarvex;
}
namespace record {
struct DescriptorKeys;
struct TsDesc;
} // namespace record

namespace lists {

// The width of a combo's drop-down list when it is wider than the box (0 = as wide as the box).
// Entering the box widens it to that width, leaving it gives the box its own width back.
void SetListWidth(QComboBox* box, int width);
int ListWidth(const QComboBox* box);

class PickLists : public QObject {
    Q_OBJECT
public:
    // Attaches the change handlers of the form's named list and header-field controls that
    // exist by then (AttachFormHandlers). Destroy it before the form: it takes its handlers off
    // the controls, which would otherwise run on the form's state while the form is torn down
    // (a combo box changes its text as it is destroyed).
    explicit PickLists(app::TAxGarvex& form);
    ~PickLists() override;

    // What the pick lists ask of the other rooms of the record form. An empty member is skipped:
    // without the record lock every record is editable and no key is dropped.
    std::function<void()> setInfoNVO, setInfoTitre, setInfoField1, setInfoField2;
    std::function<bool()> GoTestVerrou;
    std::function<void(QWidget* sender, int& key)> GoOnKeyDown;         // key := 0 drops it
    std::function<void(QWidget* sender, QChar& key)> GoOnKeyPress;      // key := 0 drops it
    std::function<void(QWidget* sender)> EditChange;                    // records a plain edit's text
    std::function<bool(int page)> TestPageUpdate;                       // rebuilds a page's statement
    std::function<void(QComboBox* box, int action)> ActionInfoRubrique; // 0 add, -1 delete

    // The layout pass brackets its work with these: the make and model remembered for the
    // cascade start empty for each pass, and the version text starts again from the record's
    // loaded model and type version.
    void BeginLayoutPass();
    void LayoutPassDone();

    // Sets up the combo of descriptor `index` of `page`: events, rights and colours, its items
    // and the loaded value selected. Without a box one is created on the page's sheet and placed
    // by the descriptor's keys. The first layout passes the keys (maximum length, place); a
    // refresh passes none and leaves the maximum length as it is.
    void CBoxEvents(QComboBox* box, int page, int index, const record::DescriptorKeys* keys = nullptr);

    // Generic and staff lists.
    void LoadInfoNxComboBox(const QString& type, QComboBox* box);
    void SetInfoComboBoxIdCom(const QString& idCom, QComboBox* box);
    QString GetInfoComboBoxIdCom(const QString& type, const QString& text) const;

    // Cascade and version text.
    void UpdateCBox(QComboBox* box, const QString& key, const QString& itemTag, const QString& keyTag,
                    const QString& item);
    void UpdateVersion(QWidget* memo, QComboBox* model, QComboBox* type);

    // Events of the descriptor combos (CBoxEvents attaches them). The key handlers take the Qt key
    // code, with Qt::KeypadModifier added for the numeric keypad, by reference: 0 on return means
    // the key is dropped.
    void CBoxEnter(QComboBox* box);
    void CBoxExit(QComboBox* box);
    void CBoxChange(QWidget* sender);
    void CBoxKeyDown(QWidget* sender, int& key);
    void cBoxKeyUp(QWidget* sender, int& key);
    // Page and index of the box's descriptor, both 0 when the box has none; accepted is false
    // when a list-only box refused its text.
    struct ControlResult {
        int page = 0;
        int index = 0;
        bool accepted = true;
    };
    ControlResult CBoxControl(QComboBox* box);
    int IndexOfRubrique() const;
    QComboBox* RubriqueBox() const { return m_rubriqueBox; }

    // Bound edits get CBoxKeyDown as their key-down handler too.
    void AttachKeyDown(QWidget* control);

    // Change handlers and list widths of the form's named controls; attaches those that exist now.
    void AttachFormHandlers();
    void cNVOChange(QWidget* sender);
    void cInfoCouleurChange(QWidget* sender);
    void cCVKMSChange(QWidget* sender);
    void cInfoVesionChange(QWidget* sender);
    void cDestinationChange(QWidget* sender);
    void cSiteChange(QWidget* sender);
    void aSiteChange(QWidget* sender);

    // The shared auto-completion and the box it serves.
    QCompleter* AutoCompletion() const { return m_completion; }
    QString LastCompletionBox() const { return m_lastCompletionBox; }

private:
    class EventLink;
    QObject* newEventLink(bool allEvents);
    record::TsDesc* descOf(const QWidget* control);
    QWidget* named(const QString& name) const;
    bool loading() const;
    void attach(QWidget* control, std::function<void(QWidget*)> handler, bool unlessOwn = false);
    void attachCompletion(QComboBox* box);

    app::TAxGarvex& m_form;
    QString m_curMarque, m_curModele;
    QPointer<QComboBox> m_rubriqueBox;
    QCompleter* m_completion = nullptr;
    QStringListModel* m_completionList = nullptr;
    QPointer<QComboBox> m_completionBox;
    QMetaObject::Connection m_completionTyping;
    QString m_lastCompletionBox;
    std::vector<QPointer<QWidget>> m_attached; // controls that carry a change handler of ours
    QObject* m_comboEvents;   // enter, exit, key down, key press and key up of descriptor combos
    QObject* m_keyDownEvents; // key down of bound edits
};

} // namespace lists
