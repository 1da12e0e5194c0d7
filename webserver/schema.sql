-- The dealership database. Column types: DATE holds ISO dates (yyyy-mm-dd), answered as
-- dd/mm/yyyy; MONEY holds amounts, answered with two decimals; INTEGER and TEXT as they are.

-- Vehicle records: used (TypeVO 1), new orders (TypeVO 2) and demonstration vehicles (TypeVO 2
-- with a StatutVD). idTVO is the record's identifier, idVO the key of its costs and photos.
CREATE TABLE tVehicles (
  idTVO INTEGER PRIMARY KEY, idVO INTEGER UNIQUE, TypeVO INTEGER, StatutVD TEXT,
  Concession TEXT, Site TEXT, idOwner TEXT, idClient INTEGER, idCom INTEGER,
  NVO INTEGER, Immatriculation TEXT, InfoMarque TEXT, InfoModele TEXT, InfoVersion TEXT,
  InfoTypeVersion TEXT, InfoCouleur TEXT, InfoCarrosserie TEXT, InfoEnergie TEXT, InfoBoite TEXT,
  InfoOrigine TEXT, CV INTEGER, KMS INTEGER, MEC DATE,
  DateEntree DATE, DateOrdre DATE, DateLivraison DATE, DateDisponibilite DATE,
  DatePresFinancement DATE, DatePaiement DATE, DateValidationGarantie DATE, DateLivrMaxi DATE,
  DateAnnulation DATE, DateFabrication DATE, DateFacture DATE, DateCdeVW DATE,
  DateDebutGarantie DATE, DateUpdateCde DATE, DateDeclareLivre DATE, DateAchat DATE,
  DateEcheance DATE, DateEchTresorerie DATE, DateEchReglement DATE, DateRecFinancement DATE,
  DateRecPaiement DATE, Destination TEXT, Acheteur TEXT, ModeTVA INTEGER,
  PrixVente MONEY, PrixReprise MONEY, PrixCatalogue MONEY, TPVO MONEY, PrixGarantie MONEY,
  TypeGarantie TEXT, DureeGarantie TEXT, MtComIntermediaire MONEY, MtComVendeur MONEY,
  VFinancement MONEY, ComFinPrevue MONEY, ComFinRecue MONEY, MontantReprise MONEY,
  ReprPrix MONEY, MontantAcompte MONEY, MontantAchat MONEY, Solde MONEY,
  TypeFinancement TEXT, TypeFinancementDelai TEXT, StatutVN TEXT, SituationAchat TEXT,
  InfoOptions TEXT, InfoEquiInterieur TEXT, InfoEquiExterieur TEXT, InfoEquiSecurite TEXT,
  InfoComplement TEXT, Observations TEXT, NomImage TEXT, DateCreation DATE
);
CREATE INDEX tVehicles_search ON tVehicles (Concession, TypeVO, NVO);
CREATE INDEX tVehicles_immat ON tVehicles (Immatriculation);

CREATE TABLE tClients (
  idClient INTEGER PRIMARY KEY, Concession TEXT, Site TEXT, idOwner TEXT, idCom INTEGER,
  CliCivilite TEXT, CliNom TEXT, CliPrenom TEXT, CliAdresse1 TEXT, CliAdresse2 TEXT,
  CliCP TEXT, CliVille TEXT, CliPays TEXT, CliObservations TEXT, CliEmail TEXT,
  CliMobile TEXT, CliTelDom TEXT, CliTelBur TEXT, CliProfession TEXT, CliEmployeur TEXT,
  CliDateNaissance DATE, CliSituationFamille TEXT, CliNbEnfants INTEGER, CliOrigine TEXT,
  DateCreation DATE, PATypeVO TEXT, PASegment TEXT, PACarrosserie TEXT, PAEnergie TEXT,
  PAChoix1 TEXT, PAChoix2 TEXT, PAMarque1 TEXT, PAModele1 TEXT, PAMarque2 TEXT, PAModele2 TEXT,
  PADateSpirit DATE, CliDateProchainAchat DATE
);
CREATE INDEX tClients_nom ON tClients (Concession, CliNom, CliPrenom);
CREATE INDEX tClients_mobile ON tClients (CliMobile);
CREATE INDEX tClients_teldom ON tClients (CliTelDom);

-- Follow-up actions of a customer; the list columns hold 1-based positions in their lists.
CREATE TABLE tActions (
  idAction INTEGER PRIMARY KEY, idClient INTEGER, DateAction DATE, idCom INTEGER,
  TypeAction INTEGER, SujetAction INTEGER, CommentaireAction TEXT, DateRelance DATE,
  idComRelance INTEGER, SujetRelance INTEGER, PrioriteRelance INTEGER
);
CREATE INDEX tActions_client ON tActions (idClient);

-- Vehicles a customer owns, bought here or elsewhere.
CREATE TABLE TVehiclesKundor (
  idTVO INTEGER PRIMARY KEY, idClient INTEGER, NVO INTEGER, idOwner TEXT, Concession TEXT,
  TypeVO TEXT, DateOrdre DATE, Site TEXT, Acheteur TEXT, InfoMarque TEXT, InfoModele TEXT,
  InfoVersion TEXT, InfoTypeVersion TEXT, MEC DATE, Immatriculation TEXT, KMS INTEGER,
  DateFinGarantie DATE, TypeFinancement TEXT, AbbrFinancement TEXT, MensualiteFinancement MONEY,
  DateFinFinancement DATE, LieuEntretien1 TEXT, LieuEntretien2 TEXT, DateLastSAV DATE,
  DateNextSAV DATE, KmLastSAV INTEGER, KmNextSAV INTEGER, SatisfVehicle TEXT, SatisfSAV TEXT
);
CREATE INDEX TVehiclesKundor_client ON TVehiclesKundor (idClient);

-- Refurbishment costs of a vehicle.
CREATE TABLE [tVO - Frevo] (
  idFrevo INTEGER PRIMARY KEY, idVO INTEGER, DateFrevo DATE, LibelleFrevo TEXT,
  NComptable TEXT, NomFournisseur TEXT, NFacture TEXT, TypeFrevo TEXT, MontantHT MONEY
);
CREATE INDEX Frevo_vehicle ON [tVO - Frevo] (idVO);

-- Stored photos of a vehicle; DateImage is kept as the client sent it.
CREATE TABLE [tVO - Liens Images] (
  idImage INTEGER PRIMARY KEY, idVO INTEGER, NumImage INTEGER, NomImage TEXT, DateImage TEXT
);
CREATE INDEX Images_vehicle ON [tVO - Liens Images] (idVO);

-- Editable pick lists: RubricItem is a dealership code, or '..' for every dealership.
CREATE TABLE ListRubrics (RubricType TEXT, RubricIndex INTEGER, RubricItem TEXT, RubricText TEXT);
CREATE INDEX ListRubrics_type ON ListRubrics (RubricType, RubricIndex);
CREATE TABLE ListModels (VMarque TEXT, VModele TEXT);
CREATE TABLE ListVersions (VMarque TEXT, VModele TEXT, VVersion TEXT, VConcession TEXT);

-- The server's own tables; client SQL cannot reach them.
CREATE TABLE Concessions (Concession TEXT PRIMARY KEY, Nom TEXT);
CREATE TABLE Sites (Concession TEXT, Site TEXT, Marques TEXT, MontantFraisDossier MONEY,
  PRIMARY KEY (Concession, Site));
CREATE TABLE Staff (idCom INTEGER PRIMARY KEY, Concession TEXT, cNom TEXT, Site TEXT);
CREATE TABLE Users (idUser TEXT PRIMARY KEY, Name_ TEXT, Concession TEXT, UserSite TEXT, US1 TEXT);
CREATE TABLE UserGroups (idUser TEXT, GName TEXT, PRIMARY KEY (idUser, GName));
CREATE TABLE OptDates (Concession TEXT PRIMARY KEY, Opt_LimiteDateDeb DATE,
  Opt_LimiteDateDebFrevo DATE, Opt_LimiteDateDebKundor DATE, Opt_LimiteDateVerrouVNVO DATE);
-- Structure descriptors, in document order; Concession '..' is common to all dealerships.
CREATE TABLE StructDesc (
  Position INTEGER PRIMARY KEY, Concession TEXT, descInfo TEXT, idNum TEXT, txtInfo TEXT,
  vInfo TEXT, tag TEXT, defval TEXT, width TEXT, "left" TEXT, top TEXT, height TEXT,
  length TEXT, tInfo TEXT, tControl TEXT, color TEXT, "notNull" TEXT, enabled TEXT, fieldInfo TEXT
);
-- Lists shown in multi-choice list boxes (equipment, options, next-purchase wishes).
CREATE TABLE ListOptions (ListName TEXT, Position INTEGER, Abbr TEXT, eText TEXT, Concession TEXT);
CREATE INDEX ListOptions_list ON ListOptions (ListName, Position);
CREATE TABLE Reservations (idResa INTEGER PRIMARY KEY, idTVO INTEGER, DResaMax DATE,
  Vendeur TEXT, Acheteur TEXT, Commentaire TEXT);
CREATE INDEX Reservations_vehicle ON Reservations (idTVO);
CREATE TABLE SmsMessages (idSms INTEGER PRIMARY KEY, Destinataire TEXT, Texte TEXT, DateEnvoi TEXT);
-- The last identifier handed out per key column, so that a deleted record's number is never
-- given to a new one (its old costs, photos or actions would follow it).
CREATE TABLE IdSequences (TableName TEXT, ColumnName TEXT, LastValue INTEGER,
  PRIMARY KEY (TableName, ColumnName));
