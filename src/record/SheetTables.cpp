#include "SheetTables.h"

namespace record {
namespace {

using platform::ControlRow;
using K = platform::ControlKind;

// Places are those of the demo descriptors in pixels; a caption sits left of its control (or
// above a list box), where the descriptor's left puts it.
// Used vehicle: identity, dates and financing, prices and warranty; the margin sheet button.
constexpr ControlRow kSheet01[] = {
    {K::Button, "czFeuilleMarge", "", 812, 420, 166, 28, "Feuille de Marge",
     "impression de la feuille de marge"},
    {K::Number, "cNVO", "", 150, 10, 160, 21},
    {K::Combo, "cSite", "", 150, 36, 160, 21},
    {K::Combo, "cidCom", "", 150, 62, 160, 21},
    {K::Combo, "cInfoMarque", "", 150, 88, 160, 21},
    {K::Combo, "cInfoModele", "", 150, 114, 160, 21},
    {K::OneLineMemo, "cInfoVersion", "", 150, 140, 160, 21},
    {K::Combo, "cInfoCouleur", "", 150, 166, 160, 21},
    {K::Combo, "cInfoCarrosserie", "", 150, 192, 160, 21},
    {K::Combo, "cInfoEnergie", "", 150, 218, 160, 21},
    {K::Combo, "cInfoBoite", "", 150, 244, 160, 21},
    {K::Combo, "cInfoOrigine", "", 150, 270, 160, 21},
    {K::Number, "cCV", "", 150, 296, 160, 21},
    {K::Number, "cKMS", "", 150, 322, 160, 21},
    {K::Edit, "cImmatriculation", "", 150, 348, 160, 21},
    {K::Date, "cMEC", "", 150, 374, 160, 21},
    {K::Date, "cDateEntree", "", 478, 10, 160, 21},
    {K::Date, "cDateOrdre", "", 478, 36, 160, 21},
    {K::Date, "cDateLivraison", "", 478, 62, 160, 21},
    {K::Date, "cDateDisponibilite", "", 478, 88, 160, 21},
    {K::Date, "cDatePresFinancement", "", 478, 114, 160, 21},
    {K::Date, "cDatePaiement", "", 478, 140, 160, 21},
    {K::Combo, "cDestination", "", 478, 166, 160, 21},
    {K::Combo, "cAcheteur", "", 478, 192, 160, 21},
    {K::Combo, "cTypeFinancement", "", 478, 218, 160, 21},
    {K::Number, "cVFinancement", "", 478, 244, 160, 21},
    {K::Number, "cComFinPrevue", "", 478, 270, 160, 21},
    {K::Number, "cComFinRecue", "", 478, 296, 160, 21},
    {K::Edit, "cNomImage", "", 478, 322, 160, 21},
    {K::Combo, "cModeTVA", "", 812, 10, 166, 21},
    {K::Number, "cPrixReprise", "", 812, 36, 166, 21},
    {K::Number, "cPrixVente", "", 812, 62, 166, 21},
    {K::Number, "cTPVO", "", 812, 88, 166, 21},
    {K::Number, "cMontantReprise", "", 812, 114, 166, 21},
    {K::Number, "ccTVA", "", 812, 140, 166, 21},
    {K::Number, "cMBrute", "", 812, 166, 166, 21},
    {K::Number, "cTotFrevo", "", 812, 192, 166, 21},
    {K::Number, "cMNette", "", 812, 218, 166, 21},
    {K::Combo, "cTypeGarantie", "", 812, 244, 166, 21},
    {K::Combo, "cDureeGarantie", "", 812, 270, 166, 21},
    {K::Number, "cPrixGarantie", "", 812, 296, 166, 21},
    {K::Date, "cDateValidationGarantie", "", 812, 322, 166, 21},
    {K::Number, "cMtComIntermediaire", "", 812, 348, 166, 21},
    {K::Number, "cMtComVendeur", "", 812, 374, 166, 21},
};

// Demonstration vehicle, with its options list.
constexpr ControlRow kSheet02[] = {
    {K::Number, "cVDNVO", "", 150, 10, 160, 21},
    {K::Combo, "cVDSite", "", 150, 36, 160, 21},
    {K::Combo, "cVDidCom", "", 150, 62, 160, 21},
    {K::Combo, "cVDInfoMarque", "", 150, 88, 160, 21},
    {K::Combo, "cVDInfoModele", "", 150, 114, 160, 21},
    {K::Combo, "cVDInfoTypeVersion", "", 150, 140, 160, 21},
    {K::OneLineMemo, "cVDInfoVersion", "", 150, 166, 160, 21},
    {K::Combo, "cVDStatutVD", "", 150, 192, 160, 21},
    {K::Combo, "cVDInfoCouleur", "", 478, 10, 160, 21},
    {K::Number, "cVDCV", "", 478, 36, 160, 21},
    {K::Number, "cVDKMS", "", 478, 62, 160, 21},
    {K::Edit, "cVDImmatriculation", "", 478, 88, 160, 21},
    {K::Date, "cVDMEC", "", 478, 114, 160, 21},
    {K::Number, "cVDPrixCatalogue", "", 478, 140, 160, 21},
    {K::Number, "cVDPrixVente", "", 812, 10, 166, 21},
    {K::ListBox, "cVDInfoOptions", "", 660, 94, 316, 330},
};

// New-vehicle order, its options list, the accounting panel and the reservation notice.
constexpr ControlRow kSheet03[] = {
    {K::Panel, "PanelCompta", "", 5, 312, 640, 128},
    {K::Label, "LbCompta", "PanelCompta", 8, 4, 300, 18, "Comptabilité"},
    {K::Number, "cVNNVO", "", 150, 6, 160, 21},
    {K::Combo, "cVNSite", "", 150, 29, 160, 21},
    {K::Combo, "cVNidCom", "", 150, 52, 160, 21},
    {K::Combo, "cVNInfoMarque", "", 150, 75, 160, 21},
    {K::Combo, "cVNInfoModele", "", 150, 98, 160, 21},
    {K::Combo, "cVNInfoTypeVersion", "", 150, 121, 160, 21},
    {K::OneLineMemo, "cVNInfoVersion", "", 150, 144, 160, 21},
    {K::Combo, "cVNInfoCouleur", "", 150, 167, 160, 21},
    {K::Number, "cVNCV", "", 150, 190, 160, 21},
    {K::Edit, "cVNImmatriculation", "", 150, 213, 160, 21},
    {K::Date, "cVNMEC", "", 150, 236, 160, 21},
    {K::Combo, "cVNAcheteur", "", 150, 259, 160, 21},
    {K::Combo, "cVNStatutVN", "", 150, 282, 160, 21},
    {K::Date, "cVNDateOrdre", "", 478, 6, 160, 21},
    {K::Date, "cVNDateCdeVW", "", 478, 29, 160, 21},
    {K::Date, "cVNDateFabrication", "", 478, 52, 160, 21},
    {K::Date, "cVNDateDisponibilite", "", 478, 75, 160, 21},
    {K::Date, "cVNDateLivrMaxi", "", 478, 98, 160, 21},
    {K::Date, "cVNDateLivraison", "", 478, 121, 160, 21},
    {K::Date, "cVNDateDeclareLivre", "", 478, 144, 160, 21},
    {K::Date, "cVNDateFacture", "", 478, 167, 160, 21},
    {K::Date, "cVNDateDebutGarantie", "", 478, 190, 160, 21},
    {K::Date, "cVNDateAnnulation", "", 478, 213, 160, 21},
    {K::Date, "cVNDateUpdateCde", "", 478, 236, 160, 21},
    {K::Date, "cVNDatePresFinancement", "", 478, 259, 160, 21},
    {K::Date, "cVNDatePaiement", "", 812, 6, 166, 21},
    {K::Combo, "cVNDestination", "", 812, 29, 166, 21},
    {K::Combo, "cVNTypeFinancement", "", 812, 52, 166, 21},
    {K::Combo, "cVNTypeFinancementDelai", "", 812, 75, 166, 21},
    {K::Number, "cVNVFinancement", "", 812, 98, 166, 21},
    {K::Number, "cVNPrixCatalogue", "", 812, 121, 166, 21},
    {K::Number, "cVNPrixVente", "", 812, 144, 166, 21},
    {K::Number, "cVNReprPrix", "", 812, 167, 166, 21},
    {K::Number, "cVNMontantAcompte", "", 812, 190, 166, 21},
    {K::Number, "cVNSolde", "", 812, 213, 166, 21},
    {K::Number, "cVNComFinPrevue", "", 812, 236, 166, 21},
    {K::Number, "cVNComFinRecue", "", 812, 259, 166, 21},
    {K::ListBox, "cVNInfoOptions", "", 660, 332, 316, 108},
    {K::Number, "cVNMontantAchat", "PanelCompta", 150, 26, 150, 21},
    {K::Date, "cVNDateAchat", "PanelCompta", 150, 50, 150, 21},
    {K::Date, "cVNDateEcheance", "PanelCompta", 150, 74, 150, 21},
    {K::Combo, "cVNSituationAchat", "PanelCompta", 150, 98, 150, 21},
    {K::Date, "cVNDateEchTresorerie", "PanelCompta", 470, 26, 150, 21},
    {K::Date, "cVNDateEchReglement", "PanelCompta", 470, 50, 150, 21},
    {K::Date, "cVNDateRecFinancement", "PanelCompta", 470, 74, 150, 21},
    {K::Date, "cVNDateRecPaiement", "PanelCompta", 470, 98, 150, 21},
    {K::Label, "LbResa1", "", 5, 448, 320, 16},
    {K::Label, "LbResa2", "", 330, 448, 320, 16},
    {K::Label, "LbResa3", "", 5, 466, 320, 16},
    {K::Label, "LbResa4", "", 330, 466, 646, 16},
};

// Equipment lists.
constexpr ControlRow kSheet04[] = {
    {K::ListBox, "cInfoEquiInterieur", "", 10, 30, 232, 420},
    {K::ListBox, "cInfoEquiExterieur", "", 254, 30, 232, 420},
    {K::ListBox, "cInfoEquiSecurite", "", 498, 30, 232, 420},
    {K::ListBox, "cInfoComplement", "", 742, 30, 232, 420},
};

// Customer identity (the follow-up actions grid comes with its own room).
constexpr ControlRow kSheet07[] = {
    {K::Combo, "aSite", "", 110, 8, 130, 21},
    {K::Combo, "aidCom", "", 330, 8, 140, 21},
    {K::Combo, "aCliCivilite", "", 110, 34, 90, 21},
    {K::Combo, "aCliOrigine", "", 330, 34, 140, 21},
    {K::Edit, "aCliNom", "", 110, 60, 360, 21},
    {K::Edit, "aCliPrenom", "", 110, 86, 360, 21},
    {K::Edit, "aCliAdresse1", "", 110, 112, 360, 21},
    {K::Edit, "aCliAdresse2", "", 110, 138, 360, 21},
    {K::Edit, "aCliCP", "", 110, 164, 60, 21},
    {K::Edit, "aCliVille", "", 174, 164, 190, 21},
    {K::Combo, "aCliPays", "", 368, 164, 102, 21},
    {K::Memo, "aCliObservations", "", 110, 190, 360, 60},
    {K::Edit, "aCliEmail", "", 640, 8, 330, 21},
    {K::Edit, "aCliMobile", "", 640, 34, 150, 21},
    {K::Edit, "aCliTelDom", "", 640, 60, 150, 21},
    {K::Edit, "aCliTelBur", "", 640, 86, 150, 21},
    {K::Edit, "aCliProfession", "", 640, 112, 330, 21},
    {K::Edit, "aCliEmployeur", "", 640, 138, 330, 21},
    {K::Date, "aCliDateNaissance", "", 640, 164, 150, 21},
    {K::Combo, "aCliSituationFamille", "", 640, 190, 150, 21},
    {K::Number, "aCliNbEnfants", "", 640, 216, 150, 21},
};

// Fields of the customer's selected vehicle, right of the vehicles grid.
constexpr ControlRow kSheet08[] = {
    {K::Combo, "vTypeVO", "", 530, 8, 140, 21},
    {K::Date, "vDateOrdre", "", 530, 34, 140, 21},
    {K::Combo, "vSite", "", 530, 60, 140, 21},
    {K::Combo, "vInfoMarque", "", 530, 86, 140, 21},
    {K::Combo, "vInfoModele", "", 530, 112, 140, 21},
    {K::OneLineMemo, "vInfoVersion", "", 530, 138, 140, 21},
    {K::Edit, "vInfoTypeVersion", "", 530, 164, 140, 21},
    {K::Date, "vMEC", "", 530, 190, 140, 21},
    {K::Edit, "vImmatriculation", "", 530, 216, 140, 21},
    {K::Number, "vKMS", "", 530, 242, 140, 21},
    {K::Date, "vDateFinGarantie", "", 530, 268, 140, 21},
    {K::Combo, "vTypeFinancement", "", 530, 294, 140, 21},
    {K::Combo, "vAbbrFinancement", "", 830, 8, 150, 21},
    {K::Number, "vMensualiteFinancement", "", 830, 34, 150, 21},
    {K::Date, "vDateFinFinancement", "", 830, 60, 150, 21},
    {K::Edit, "vLieuEntretien1", "", 830, 86, 150, 21},
    {K::Edit, "vLieuEntretien2", "", 830, 112, 150, 21},
    {K::Date, "vDateLastSAV", "", 830, 138, 150, 21},
    {K::Date, "vDateNextSAV", "", 830, 164, 150, 21},
    {K::Number, "vKmLastSAV", "", 830, 190, 150, 21},
    {K::Number, "vKmNextSAV", "", 830, 216, 150, 21},
    {K::Combo, "vSatisfVehicle", "", 830, 242, 150, 21},
    {K::Combo, "vSatisfSAV", "", 830, 268, 150, 21},
    {K::Button, "JvXPBtnNewVehicle", "", 5, 420, 170, 28, "Nouveau véhicule",
     "ajout d'un véhicule du client"},
};

// Next purchase: wished types, segments, bodies, fuels and models, and its dates.
constexpr ControlRow kSheet09[] = {
    {K::ListBox, "cPAPATypeVO", "", 10, 30, 154, 230},
    {K::ListBox, "cPAPASegment", "", 172, 30, 154, 230},
    {K::ListBox, "cPAPACarrosserie", "", 334, 30, 154, 230},
    {K::ListBox, "cPAPAEnergie", "", 496, 30, 154, 230},
    {K::ListBox, "cPAPAChoix1", "", 658, 30, 154, 230},
    {K::ListBox, "cPAPAChoix2", "", 820, 30, 154, 230},
    {K::Combo, "cPAPAMarque1", "", 150, 290, 170, 21},
    {K::Combo, "cPAPAMarque2", "", 330, 290, 170, 21},
    {K::Combo, "cPAPAModele1", "", 150, 316, 170, 21},
    {K::Combo, "cPAPAModele2", "", 330, 316, 170, 21},
    {K::Date, "cPAPADateSpirit", "", 150, 356, 110, 21},
    {K::Date, "cPACliDateProchainAchat", "", 478, 356, 110, 21},
};
constexpr ControlRow kRecordButtons[] = {
    {K::Button, "JvXPBtnSMS", "", 632, 42, 80, 28, "SMS", "envoi d'un SMS de test"},
    {K::Label, "LbInfoOptions", "", 718, 42, 156, 28, "Options : voir la liste",
     "options du véhicule, dans la liste de son onglet"},
};

} // namespace

std::span<const ControlRow> SheetTable(int sheetIndex) {
    switch (sheetIndex) {
    case 0:
        return kSheet01;
    case 1:
        return kSheet02;
    case 2:
        return kSheet03;
    case 3:
        return kSheet04;
    case 6:
        return kSheet07;
    case 7:
        return kSheet08;
    case 8:
        return kSheet09;
    default:
        return {};
    }
}

std::span<const ControlRow> RecordButtonsTable() {
    return kRecordButtons;
}

} // namespace record
