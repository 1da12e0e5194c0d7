#include "FormTable.h"

namespace app {
namespace {

using platform::ControlKind;
using K = ControlKind;

// Header band and command buttons at the top, the page control in the middle, record
// navigation and the warning line at the bottom, the debug strip below the normal height.
constexpr platform::ControlRow kMainForm[] = {
    {K::Panel, "PanelWarning", "", 0, 0, 1000, 74},
    {K::Edit, "xcInfoNVO", "", 8, 8, 110, 28},
    {K::Edit, "xcInfoTitre", "", 122, 8, 330, 28},
    {K::Edit, "xcIdentity", "", 8, 8, 444, 28},
    {K::Edit, "xcInfoField1", "", 456, 8, 180, 28},
    {K::Edit, "xcInfoField2", "", 640, 8, 200, 28},
    {K::Edit, "xcInfoField3", "", 844, 8, 148, 28},

    {K::Button, "JvXPBtnActualize", "", 8, 42, 104, 28, "Actualiser",
     "rechargement des informations du véhicule"},
    {K::Button, "JvXPBtnSave", "", 116, 42, 110, 28, "Enregistrer", "enregistrement des modifications"},
    {K::Button, "JvXPBtnNewVO", "", 230, 42, 70, 28, "VO", "nouveau véhicule"},
    {K::Button, "JvXPBtnSuppr", "", 304, 42, 104, 28, "Supprimer", "suppression de l'enregistrement"},
    {K::Button, "JvXPBtnSweep", "", 412, 42, 110, 28, "Purger VN", "suppression des VN annulés sans CTM"},
    {K::Button, "JvXPBtnPrint", "", 526, 42, 100, 28, "Imprimer", "impression de la fiche du véhicule"},
    {K::Button, "JvXPBtnSearch", "", 880, 42, 112, 28, "Rechercher", "recherche d'une fiche"},

    {K::PageControl, "Tabs", "", 4, 78, 992, 532},
    {K::Sheet, "Sheet01", "Tabs", 0, 0, 0, 0, "Véhicule d'occasion"},
    {K::Sheet, "Sheet02", "Tabs", 0, 0, 0, 0, "Véhicule de démonstration"},
    {K::Sheet, "Sheet03", "Tabs", 0, 0, 0, 0, "Véhicule neuf"},
    {K::Sheet, "Sheet04", "Tabs", 0, 0, 0, 0, "Équipements"},
    {K::Sheet, "Sheet05", "Tabs", 0, 0, 0, 0, "Frais"},
    {K::Sheet, "Sheet06", "Tabs", 0, 0, 0, 0, "Photos"},
    {K::Sheet, "Sheet07", "Tabs", 0, 0, 0, 0, "Client"},
    {K::Sheet, "Sheet08", "Tabs", 0, 0, 0, 0, "Véhicules du client"},
    {K::Sheet, "Sheet09", "Tabs", 0, 0, 0, 0, "Projet d'achat"},

    {K::Panel, "Panel1", "", 4, 78, 992, 532},
    {K::Panel, "PanelSplash", "", 4, 78, 992, 532},
    {K::Image, "ImageSplash", "PanelSplash", 346, 110, 300, 150},
    {K::Label, "LbConcession", "PanelSplash", 0, 140, 992, 90},
    {K::Label, "LbSplash", "PanelSplash", 0, 380, 992, 30},
    {K::Shape, "Shape1", "", 0, 0, 10, 10},

    {K::Button, "JvXPPrev", "", 780, 616, 104, 30, "<< Enrg.Préc.", "enregistrement précédent"},
    {K::Button, "JvXPNext", "", 888, 616, 104, 30, ">> Enrg.Suiv.", "enregistrement suivant"},

    {K::Label, "LbDebugInfo0", "", 8, 616, 760, 30},
    {K::Label, "LbDebugInfo1", "", 8, 670, 600, 16},
    {K::Label, "LbDebugInfo2", "", 8, 686, 600, 16},
    {K::Label, "LbDebugInfo3", "", 8, 702, 600, 16},
    {K::Label, "LbHttpRoot", "", 616, 654, 376, 16},
    {K::Label, "LbBaseHRef", "", 616, 670, 376, 16},
    {K::Label, "LbIdTVO", "", 616, 686, 120, 16},
    {K::Label, "LbIDCustomer", "", 740, 686, 120, 16},
    {K::Label, "LbInfoTimer", "", 864, 686, 128, 16},
    {K::Label, "LbVersion", "", 616, 702, 376, 16},
};

} // namespace

std::span<const platform::ControlRow> MainFormTable() {
    return kMainForm;
}

} // namespace app
