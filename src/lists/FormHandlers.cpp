// Change handlers of the form's named controls, and their list widths: the make -> model -> type-version
// cascade, the version text, the header fields they feed, and the sites.
#include "PickLists.h"
#include "app/AxGarvex.h"
#include "platform/AsciiCase.h"
#include "platform/Controls.h"

#include <QComboBox>

namespace lists {
namespace {

// A make or model box whose change refills a dependent box, and what follows on its tab.
struct Cascade {
    const char* box;
    const char* dependent; // "" when nothing is refilled
    const char* item;      // section item; the section is item + "S"
    const char* keyTag;
    const char* itemTag;
    const char* version; // version memo to keep current, "" for none
    const char* typeBox; // type-version box of the version text, "" for none
    bool title;          // the header title follows
};

constexpr Cascade kCascades[] = {
    {"cInfoMarque", "cInfoModele", "Models", "vMark", "vModel", "", "", true},
    {"cVDInfoMarque", "cVDInfoModele", "VNModels", "vnMark", "vnModel", "", "", true},
    {"cVNInfoMarque", "cVNInfoModele", "VNModels", "vnMark", "vnModel", "", "", true},
    {"cPAPAMarque1", "cPAPAModele1", "Models", "vMark", "vModel", "", "", false},
    {"cPAPAMarque2", "cPAPAModele2", "Models", "vMark", "vModel", "", "", false},
    {"vInfoMarque", "vInfoModele", "Models", "vMark", "vModel", "", "", false},
    {"cVDInfoModele", "cVDInfoTypeVersion", "VNVersions", "vnModel", "vnVers", "cVDInfoVersion",
     "cVDInfoTypeVersion", false},
    {"cVNInfoModele", "cVNInfoTypeVersion", "VNVersions", "vnModel", "vnVers", "cVNInfoVersion",
     "cVNInfoTypeVersion", false},
    {"cInfoModele", "", "", "", "", "cInfoVersion", "", false},
};

// The type-version boxes record their text as it stands, then keep the version text current.
struct TypeVersion {
    const char* box;
    const char* version;
    const char* model;
};
constexpr TypeVersion kTypeVersions[] = {
    {"cVDInfoTypeVersion", "cVDInfoVersion", "cVDInfoModele"},
    {"cVNInfoTypeVersion", "cVNInfoVersion", "cVNInfoModele"},
};

// The form's combos whose drop-down list is wider than the box.
struct ListWidthOf {
    const char* box;
    int width;
};
constexpr ListWidthOf kListWidths[] = {
    {"cAcheteur", 180}, {"cVNAcheteur", 180}, {"cInfoCouleur", 200}, {"aidCom", 190}, {"aCliPays", 100},
};

} // namespace

void PickLists::AttachFormHandlers() {
    for (const ListWidthOf& l : kListWidths)
        if (auto* box = qobject_cast<QComboBox*>(named(QString::fromLatin1(l.box))))
            SetListWidth(box, l.width);
    const auto attachTo = [this](std::initializer_list<const char*> names,
                                 void (PickLists::*handler)(QWidget*)) {
        for (const char* name : names)
            if (QWidget* control = named(QString::fromLatin1(name)))
                attach(control, [this, handler](QWidget* sender) { (this->*handler)(sender); });
    };
    attachTo({"cNVO", "cVDNVO", "cVNNVO"}, &PickLists::cNVOChange);
    attachTo({"cInfoCouleur", "cVDInfoCouleur", "cVNInfoCouleur"}, &PickLists::cInfoCouleurChange);
    attachTo({"cCV", "cKMS", "cVDCV", "cVDKMS", "cVNCV", "vKMS", "aCliNbEnfants"}, &PickLists::cCVKMSChange);
    // cVNInfoVersion changes as cInfoVersion does: record, then the title.
    attachTo({"cInfoVersion", "vInfoTypeVersion", "cVNInfoVersion"}, &PickLists::cInfoVesionChange);
    attachTo({"cDestination"}, &PickLists::cDestinationChange);
    attachTo({"cSite", "cVDSite", "cVNSite"}, &PickLists::cSiteChange);
    attachTo({"aSite"}, &PickLists::aSiteChange);

    for (const Cascade& c : kCascades) {
        QWidget* control = named(QString::fromLatin1(c.box));
        if (!control) continue;
        attach(control, [this, &c](QWidget* sender) {
            if (loading()) return;
            CBoxChange(sender);
            const QString key = platform::asciiUpper(platform::ControlText(sender));
            if (*c.dependent)
                UpdateCBox(qobject_cast<QComboBox*>(named(QString::fromLatin1(c.dependent))), key,
                           QString::fromLatin1(c.itemTag), QString::fromLatin1(c.keyTag),
                           QString::fromLatin1(c.item));
            if (*c.version)
                UpdateVersion(named(QString::fromLatin1(c.version)), qobject_cast<QComboBox*>(sender),
                              qobject_cast<QComboBox*>(named(QString::fromLatin1(c.typeBox))));
            if (c.title && setInfoTitre) setInfoTitre();
        });
    }
    for (const TypeVersion& t : kTypeVersions) {
        QWidget* control = named(QString::fromLatin1(t.box));
        if (!control) continue;
        attach(control, [this, &t](QWidget* sender) {
            if (loading()) return;
            if (EditChange) EditChange(sender);
            UpdateVersion(named(QString::fromLatin1(t.version)),
                          qobject_cast<QComboBox*>(named(QString::fromLatin1(t.model))),
                          qobject_cast<QComboBox*>(sender));
            if (setInfoTitre) setInfoTitre();
        });
    }
}

void PickLists::cNVOChange(QWidget* sender) {
    if (loading()) return;
    m_form.WriteTrace(QStringLiteral("dans cNVOChange ") + platform::ControlText(sender));
    if (EditChange) EditChange(sender);
    if (setInfoNVO) setInfoNVO();
}

void PickLists::cInfoCouleurChange(QWidget* sender) {
    if (loading()) return;
    CBoxChange(sender);
    if (setInfoField1) setInfoField1();
}

void PickLists::cCVKMSChange(QWidget* sender) {
    if (loading()) return;
    if (EditChange) EditChange(sender);
    if (setInfoField2) setInfoField2();
}

void PickLists::cInfoVesionChange(QWidget* sender) {
    if (loading()) return;
    if (EditChange) EditChange(sender);
    if (setInfoTitre) setInfoTitre();
}

void PickLists::cDestinationChange(QWidget* sender) {
    if (loading()) return;
    if (EditChange) EditChange(sender);
}

void PickLists::cSiteChange(QWidget* sender) {
    if (loading()) return;
    CBoxChange(sender);
    m_form.State.UserUS1 = platform::ControlText(sender);
}

void PickLists::aSiteChange(QWidget* sender) {
    if (loading()) return;
    CBoxChange(sender);
    m_form.State.CurrentSite = platform::ControlText(sender);
    if (auto* staff = qobject_cast<QComboBox*>(named(QStringLiteral("aidCom"))))
        LoadInfoNxComboBox(QStringLiteral("InfoCom"), staff);
}

} // namespace lists
