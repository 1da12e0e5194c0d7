#pragma once
// The record form's drop-down lists: setting up each descriptor combo from the reference lists,
// the make -> model -> type-version cascade, the version text, turning what the user picks or
// types back into the stored value, list widths, the shared auto-completion and the Ctrl-entry
// mark for reference-list editing.
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

class QComboBox;
class QCompleter;
class QStringListModel;
class QWidget;

namespace app {
class TAxGarvex;
}
namespace record {
struct TsDesc;
}

namespace lists {

// The width of a combo's drop-down list when it is wider than the box (0 = as wide as the box).
// Entering the box widens it to that width, leaving it gives the box its own width back.
void SetListWidth(QComboBox* box, int width);
int ListWidth(const QComboBox* box);

class PickLists : public QObject {
    Q_OBJECT
public:
    // Lives as long as the form; attaches the change handlers of the form's named list and
    // header-field controls that exist by then (AttachFormHandlers).
    explicit PickLists(app::TAxGarvex& form);

    // What the pick lists ask of the other rooms of the record form. An empty member is skipped:
    // until the record lock is set every record is editable and no key is dropped.
    std::function<void()> setInfoNVO, setInfoTitre, setInfoField1, setInfoField2;
    std::function<bool()> GoTestVerrou;
    std::function<void(QWidget* sender, int& key)> GoOnKeyDown;     // key := 0 drops it
    std::function<void(QWidget* sender, QChar& key)> GoOnKeyPress;  // key := 0 drops it
    std::function<void(QWidget* sender)> EditChange;                // records a plain edit's text
    std::function<void(QComboBox* box, int action)> ActionInfoRubrique; // 0 add, -1 delete

    // The layout pass brackets its work with these: the make and model remembered for the
    // cascade start empty for each pass, and the version text starts again from the record's
    // loaded model and type version.
    void BeginLayoutPass();
    void LayoutPassDone();

    // Sets up the combo of descriptor `index` of `page` (creating one on the page's sheet when
    // box is null): events, colours, items and the stored value selected. `length` > 0 sets the
    // maximum length of the text; 0 leaves it as it is (a refresh does not touch it).
    void CBoxEvents(QComboBox* box, int page, int index, int length = 0);

    // Generic and staff lists.
    void LoadInfoNxComboBox(const QString& type, QComboBox* box);
    void SetInfoComboBoxIdCom(const QString& idCom, QComboBox* box);
    QString GetInfoComboBoxIdCom(const QString& type, const QString& text) const;

    // Cascade and version text.
    void UpdateCBox(QComboBox* box, const QString& key, const QString& itemTag, const QString& keyTag,
                    const QString& item);
    void UpdateVersion(QWidget* memo, QComboBox* model, QComboBox* type);

    // Events of the descriptor combos (CBoxEvents attaches them). The key handlers take the key
    // code by reference: 0 on return means the key is dropped.
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

    // Change handlers of the form's named controls.
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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    record::TsDesc* descOf(const QWidget* control);
    QWidget* named(const QString& name) const;
    bool loading() const;
    void attachCompletion(QComboBox* box);

    app::TAxGarvex& m_form;
    QString m_curMarque, m_curModele;
    QPointer<QComboBox> m_rubriqueBox;
    QCompleter* m_completion = nullptr;
    QStringListModel* m_completionList = nullptr;
    QPointer<QComboBox> m_completionBox;
    QPointer<QCompleter> m_ownCompleter; // the inline completer the bound box had before
    QString m_lastCompletionBox;
    QObject* m_keyDownOnly; // event filter of bound edits
};

} // namespace lists
