#pragma once
// The layout pass: reads the record answer and the structure descriptors, decides the record's
// kind, scope and rights, sets up the tab pages, binds every field descriptor to a control of the
// form (or creates one), and puts each field's value into its control.
#include "record/Descriptors.h"
#include "record/RecordModel.h"

#include <QColor>
#include <functional>
#include <stdexcept>

class QAbstractButton;
class QComboBox;
class QListWidget;
class QWidget;

namespace app {
class TAxGarvex;
struct FormState;
} // namespace app

namespace record {

class TChangeTracker;
class THeader;

// A reference document the pass needs could not be read: the load stops there.
struct MissingFile : std::runtime_error {
    explicit MissingFile(const QString& file) : std::runtime_error(file.toStdString()), File(file) {}
    QString File;
};

class TLayout {
public:
    TLayout(app::TAxGarvex& form, THeader& header, TChangeTracker& changes);

    // What the pick-list room does for the pass; set when that room is attached.
    struct ListHooks {
        // Sets up a descriptor's combo box, creating it when none is given; the first layout
        // passes the descriptor's keys, a refresh none.
        std::function<void(QComboBox* boxOrNull, int page, int index, const DescriptorKeys* keys)> CBoxEvents;
        // The key-down handler every bound edit gets.
        std::function<void(QWidget* edit)> AttachKeyDown;
        // Around each pass: the cascade's remembered make and model, the version text.
        std::function<void()> BeginLayoutPass, LayoutPassDone;
    };
    ListHooks Lists;

    void UpdateTabDesc(bool ReloadFiles, bool SetupPages);
    // Descriptor items the last pass read, to watch the cost of laying out.
    int ItemsScanned() const { return m_itemsScanned; }

    void BindEdit(QWidget* control, int page, int index);
    void BindButton(QAbstractButton* control, int page, int index);
    void BindListBox(QListWidget* control, int page, int index);
    void CreateCaptionLabel(int page, int index, int left, int top, int height, bool onPanelCompta);
    void SetHeaderColors(Colour background, Colour text);

    // Whether the user may edit the field: its groups, and on the customer-vehicle page a vehicle.
    bool FieldRight(int page, const TsDesc& desc);

private:
    // What the first layout knows of the descriptor being placed, beyond its TsDesc.
    struct Place {
        FieldGeometry Geometry;
        int Length = 0;
        QWidget* Container = nullptr;
    };

    app::FormState& state();
    void trace(const QString& text);
    void readRecordValues();
    void setupPages();
    void refreshPage(int page);
    void firstLayout(int page, DescriptorKeys& keys);
    void bindOrCreate(int page, int index, const DescriptorKeys& keys, bool visible);
    void styleCaption(const TsDesc& desc);
    void applyColors(QWidget* control, const TsDesc& desc, bool right);
    void enable(QWidget* control, const TsDesc& desc, bool right);
    QWidget* containerOf(int page, int idNum);
    void selectValueSource(int page);
    void enableNumberAndSite();
    void comboEvents(QComboBox* box, int page, int index);

    app::TAxGarvex& F;
    THeader& m_header;
    TChangeTracker& m_changes;
    QWidget* m_panelCompta;
    QAbstractButton *m_newVehicle, *m_marginSheet;
    QWidget *m_cNVO, *m_cSite, *m_cVDNVO, *m_cVDSite, *m_cVNNVO, *m_cVNSite;

    // Working data of one pass.
    const Place* m_place = nullptr;
    const DescriptorKeys* m_keys = nullptr; // the first layout's keys of the field being placed
    server::TXml m_valueCursor;
    QString m_concession; // the record section's Concession
    QString m_photoName;  // NomImage of an existing vehicle in scope
    int m_itemsScanned = 0;
};

} // namespace record
