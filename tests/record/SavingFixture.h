#pragma once
// The window as the program composes it (record form and pick lists) over a small dealership:
// a used vehicle 12 and a new-vehicle order 21 of site NORD, a customer 30 owning one vehicle,
// the descriptors of their main pages, and an extra used-vehicle page of keys and odd fields.
#include "RecordWindowFixture.h"
#include "lists/PickLists.h"
#include "platform/Controls.h"
#include "platform/FormBuilder.h"
#include "record/PickListsLink.h"

#include <QTabWidget>
#include <QTest>
#include <stdexcept>

class SavingTest : public RecordWindowTest {
protected:
    std::unique_ptr<app::TAxGarvex> w;
    std::unique_ptr<lists::PickLists> lists; // gone before the window, as in the program

    void SetUp() override {
        RecordWindowTest::SetUp();
        Sql(R"(
INSERT INTO Sites (Concession, Site, Marques, MontantFraisDossier) VALUES ('MERISCA', 'SUD', 'ORLANE', 150);
INSERT INTO Staff VALUES (7, 'MERISCA', 'Martin', 'NORD');
INSERT INTO ListRubrics VALUES ('Site', 1, '..', 'NORD'), ('Site', 2, '..', 'SUD'),
  ('Destination', 1, '..', 'MARCHANDS'), ('Destination', 2, '..', 'PARTICULIERS');
INSERT INTO ListModels VALUES ('ORLANE', 'ORLA 2'), ('ORLANE', 'ORLA 3'), ('ALBA', 'A1');
INSERT INTO ListVersions VALUES ('ORLANE', 'ORLA 2', '1.2 ALIZE', '..');
UPDATE tVehicles SET PrixVente = 1000, Immatriculation = 'AB-123-CD', Observations = 'Bon état' WHERE idTVO = 12;
INSERT INTO tVehicles (idTVO, idVO, TypeVO, Concession, Site, NVO, InfoMarque, InfoModele, InfoTypeVersion)
  VALUES (21, 21, 2, 'MERISCA', 'NORD', 5001, 'ORLANE', 'ORLA 2', '1.2 ALIZE');
INSERT INTO tClients (idClient, Concession, Site, idCom, CliNom, CliPrenom)
  VALUES (30, 'MERISCA', 'NORD', 7, 'DUPONT', 'Marie');
INSERT INTO TVehiclesKundor (idTVO, idClient, Concession, InfoMarque, InfoModele, Immatriculation)
  VALUES (40, 30, 'MERISCA', 'ALBA', 'A1', 'XY-1');
)");
        Page("_TVO", 0, "fVO0", "", "tVehicles");
        Page("_TVO", 1, "fVO1", "c", "tVehicles");
        AddField("fVO1", "idTVO", "", 0, 0, 0, 109, 4);
        AddField("fVO1", "NVO", "N° :", 0, 0, 1500, 109, 4);
        AddField("fVO1", "Site", "Site :", 0, 0, 1500, 111);
        AddField("fVO1", "InfoMarque", "Marque :", 0, 0, 1500, 111);
        AddField("fVO1", "InfoModele", "Modèle :", 0, 0, 1500, 111);
        AddField("fVO1", "MEC", "MEC :", 0, 0, 1500, 109, 1);
        AddField("fVO1", "DateEntree", "Entrée :", 0, 0, 1500, 109, 1);
        AddField("fVO1", "DateOrdre", "Commande :", 0, 0, 1500, 109, 1);
        AddField("fVO1", "Destination", "Destination :", 0, 0, 1500, 111);
        AddField("fVO1", "PrixVente", "Prix :", 0, 0, 1500, 109, 5);
        AddField("fVO1", "Observations", "Observations :", 3000, 6000, 3000, 109, 2);
        // Page 9: three keys (a number, a text and an empty one), then fields never written.
        Page("_TVO", 9, "fVO9", "k", "tVehicles");
        AddField("fVO9", "idTVO", "", 0, 0, 0, 109, 4);
        AddField("fVO9", "Immatriculation", "", 0, 0, 0, 109, 2);
        AddField("fVO9", "idClient", "", 0, 0, 0, 109, 4);
        AddField("fVO9", "InfoCouleur", "Couleur :", 1500, 300);
        AddField("fVO9", "PrixReprise", "Reprise :", 1500, 700, 1500, 109, 5, "SVO;READONLY");
        AddField("fVO9", "PrixFDM", "FDM :", 1500, 1100, 1500, 109, 5);
        AddField("fVO9", "InfoVersion;InfoTypeVersion", "Version :", 1500, 1500);
        AddField("fVO9", "FrevoInterne", "Frais :", 1500, 1900, 1500, 109, 5);

        Page("_TVN", 0, "fVN0", "", "tVehicles");
        Page("_TVN", 3, "fVN3", "cVN", "tVehicles");
        AddField("fVN3", "idTVO", "", 0, 0, 0, 109, 4);
        for (const char* name : {"NVO", "Site", "InfoMarque", "InfoModele", "InfoTypeVersion"})
            AddField("fVN3", name, name, 0, 0, 1500, std::string(name) == "NVO" ? 109 : 111,
                     std::string(name) == "NVO" ? 4 : 2);

        Page("_TCL", 0, "fCL0", "", "tClients");
        Page("_TCL", 7, "fCL7", "a", "tClients");
        AddField("fCL7", "idClient", "", 0, 0, 0, 109, 4, "READONLY");
        AddField("fCL7", "Site", "Site :", 0, 0, 1500, 111, 2, "KUNDOR");
        AddField("fCL7", "idCom", "Suivi par :", 0, 0, 1500, 112, 4, "KUNDOR", "1", "IDCOM");
        AddField("fCL7", "CliNom", "Nom :", 0, 0, 1500, 109, 2, "KUNDOR");
        AddField("fCL7", "CliPrenom", "Prénom :", 0, 0, 1500, 109, 2, "KUNDOR");
        Page("_TCL", 8, "fCL8", "v", "TVehiclesKundor");
        AddField("fCL8", "idTVO", "", 0, 0, 0, 109, 4, "READONLY");
        AddField("fCL8", "InfoMarque", "Marque :", 0, 0, 1500, 111, 2, "KUNDOR");
        AddField("fCL8", "InfoModele", "Modèle :", 0, 0, 1500, 111, 2, "KUNDOR");
        AddField("fCL8", "Immatriculation", "Immat. :", 0, 0, 1500, 109, 2, "KUNDOR");
    }

    void TearDown() override {
        lists.reset();
        w.reset();
        RecordWindowTest::TearDown();
    }

    // A page descriptor naming its table.
    void Page(const std::string& kind, int page, const std::string& group, const std::string& prefix,
              const std::string& table) const {
        Desc d;
        d.descInfo = kind;
        d.idNum = std::to_string(page);
        d.txtInfo = "Page " + std::to_string(page);
        d.vInfo = group;
        d.tag = table;
        d.defval = prefix;
        Add(d);
    }

    using RecordWindowTest::AddField;
    void AddField(const std::string& group, const std::string& vInfo, const std::string& caption, int left,
                  int top, int width, int tControl, int tInfo, const std::string& tag,
                  const std::string& enabled, const std::string& fieldInfo) const {
        Desc d{group,
               "1",
               caption,
               vInfo,
               tag,
               "",
               std::to_string(width),
               std::to_string(left),
               std::to_string(top),
               "315",
               "0",
               std::to_string(tInfo),
               std::to_string(tControl),
               "0",
               "FALSE",
               enabled,
               fieldInfo};
        Add(d);
    }

    // The program's window on a record, loaded.
    void Show(const Keys& changes = {}) {
        lists.reset();
        w = Create(changes);
        lists = std::make_unique<lists::PickLists>(*w);
        record::ConnectPickLists(Form(*w), *lists);
        w->Timer1Timer();
    }
    void ShowVehicle(const QString& id, const Keys& more = {}) {
        Keys keys = {{"idTVO", id}, {"idClient", ""}};
        keys.insert(keys.end(), more.begin(), more.end());
        Show(keys);
    }
    void ShowCustomer(const QString& id) { Show({{"idTVO", ""}, {"idClient", id}}); }

    record::TRecordCommands& Commands() { return Form(*w).Commands; }
    template <class T = QWidget> T* Field(int sheet, const char* name) {
        return platform::Require<T>(w->Sheets[sheet], name);
    }
    // What the user types into the control of a page's field: its change handler runs as for a key.
    void Type(int page, const char* field, const QString& text) {
        platform::SetControlText(DescOf(page, field).ValueControl, text);
    }
    const record::TsDesc& DescOf(int page, const QString& field) const {
        for (const record::TsDesc& d : w->State.Pages[page].Descs)
            if (d.FieldName == field) return d;
        throw std::runtime_error("no field " + field.toStdString());
    }
    // One value of the fixture's database, "NULL" for none, "" when no row.
    std::string Value(const std::string& select) const {
        return Select(select, "NULL").value(0).toStdString();
    }
};
