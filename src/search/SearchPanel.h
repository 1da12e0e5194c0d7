#pragma once
// The search panel that drops down under the search button: five search kinds, the text, site and
// vehicle-type filters, the result grid and its "plus" button; a click on a result opens that
// record, and the Next and Previous buttons walk through the results.
#include <QObject>
#include <QString>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace app {
class TAxGarvex;
}

namespace search {

class TSearchPanel : public QObject {
    Q_OBJECT
public:
    // Builds the panel's controls into Panel1 and takes the search button, the heartbeat's search
    // and the Next and Previous buttons. Destroy it before the window: it takes its change handlers
    // off the controls.
    explicit TSearchPanel(app::TAxGarvex& form);
    ~TSearchPanel() override;

    // Opens the record whose identifier the panel has just set: the record form's reload command.
    std::function<void()> Reload;
    // Saves the changes of the record on screen before another one replaces it; false keeps it.
    std::function<bool()> SaveChanges;

    int SearchOption = 0;
    int SearchMaxRows = 50;
    int SearchResultColumn = 0;
    bool ExactSearch = false;
    bool SearchWithFirstName = false; // one query long
    bool PresetSearch = false;        // until the text, site or type changes
    QLabel* ActiveSearchLabel;

    void JvXPBtnSearchClick();
    void BtnActivate(QLabel* label, QPushButton* button);
    void HttpGetSearchInfo(int extraRows);
    void ngSearchCellClick(int column, int row);
    void JvXPNextClick();
    void JvXPPrevClick();
    // The row under the pointer becomes the selected one.
    void ngSearchMouseMove(int row);

    // The text of a result cell; the image index for column ngsImage.
    QString Cell(int row, int column) const;

    QLabel *TSLbNVO, *TSLbImmat, *TSLbClient, *TSLbTelephone, *TSLbMobile;
    QPushButton *TSNVO, *TSImmat, *TSClient, *TSTelephone, *TSMobile;
    QLineEdit* ncbSearch;
    QLabel *LbSearch, *ncbLbSite, *ncbLbTypeVO, *ncbLabel, *ncbInfoSearch;
    QComboBox *ncbSite, *ncbTypeVO;
    QPushButton* JvXPBtnSearchPlus;
    QTableWidget* ngSearch;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool customerRecord() const;
    void prepare();
    void placeKinds(bool customer);
    void fillList(QComboBox* box, const QString& type, const QString& remembered);
    int chosenOption() const;
    void fillGrid();
    void enableWalk(int row);
    // Opens the record of a result row; false when the record on screen could not be saved.
    bool openRow(int row);

    app::TAxGarvex& F;
};

} // namespace search
