-- The dealership database. Column types: DATE holds ISO dates (yyyy-mm-dd), answered as
-- dd/mm/yyyy; MONEY holds amounts, answered with two decimals; INTEGER and TEXT COLLATE NOCASE as they are.

-- Vehicle records: used (TypeVO 1), new orders (TypeVO 2) and demonstration vehicles (TypeVO 2
-- with a StatutVD). idTVO is the record's identifier, idVO the key of its costs and photos.
CREATE TABLE tVehicles (
  idTVO INTEGER PRIMARY KEY, idVO INTEGER UNIQUE, TypeVO INTEGER, StatutVD TEXT COLLATE NOCASE,
  Concession TEXT COLLATE NOCASE, Site TEXT COLLATE NOCASE, idOwner TEXT COLLATE NOCASE, idClient INTEGER, idCom INTEGER,
  NVO INTEGER, Immatriculation TEXT COLLATE NOCASE, InfoMarque TEXT COLLATE NOCASE, InfoModele TEXT COLLATE NOCASE, InfoVersion TEXT COLLATE NOCASE,
  InfoTypeVersion TEXT COLLATE NOCASE, InfoCouleur TEXT COLLATE NOCASE, InfoCarrosserie TEXT COLLATE NOCASE, InfoEnergie TEXT COLLATE NOCASE, InfoBoite TEXT COLLATE NOCASE,
  InfoOrigine TEXT COLLATE NOCASE, CV INTEGER, KMS INTEGER, MEC DATE,
  DateEntree DATE, DateOrdre DATE, DateLivraison DATE, DateDisponibilite DATE,
  DatePresFinancement DATE, DatePaiement DATE, DateValidationGarantie DATE, DateLivrMaxi DATE,
  DateAnnulation DATE, DateFabrication DATE, DateFacture DATE, DateCdeVW DATE,
  DateDebutGarantie DATE, DateUpdateCde DATE, DateDeclareLivre DATE, DateAchat DATE,
  DateEcheance DATE, DateEchTresorerie DATE, DateEchReglement DATE, DateRecFinancement DATE,
  DateRecPaiement DATE, Destination TEXT COLLATE NOCASE, Acheteur TEXT COLLATE NOCASE, ModeTVA INTEGER,
  PrixVente MONEY, PrixReprise MONEY, PrixCatalogue MONEY, TPVO MONEY, PrixGarantie MONEY,
  TypeGarantie TEXT COLLATE NOCASE, DureeGarantie TEXT COLLATE NOCASE, MtComIntermediaire MONEY, MtComVendeur MONEY,
  VFinancement MONEY, ComFinPrevue MONEY, ComFinRecue MONEY, MontantReprise MONEY,
  ReprPrix MONEY, MontantAcompte MONEY, MontantAchat MONEY, Solde MONEY,
  TypeFinancement TEXT COLLATE NOCASE, TypeFinancementDelai TEXT COLLATE NOCASE, StatutVN TEXT COLLATE NOCASE, SituationAchat TEXT COLLATE NOCASE,
  InfoOptions TEXT COLLATE NOCASE, InfoEquiInterieur TEXT COLLATE NOCASE, InfoEquiExterieur TEXT COLLATE NOCASE, InfoEquiSecurite TEXT COLLATE NOCASE,
  InfoComplement TEXT COLLATE NOCASE, Observations TEXT COLLATE NOCASE, NomImage TEXT COLLATE NOCASE, DateCreation DATE
);
CREATE INDEX tVehicles_search ON tVehicles (Concession, TypeVO, NVO);
CREATE INDEX tVehicles_immat ON tVehicles (Immatriculation);
-- The search panel's orders within a dealership: the first rows come without sorting them all.
CREATE INDEX tVehicles_byNumber ON tVehicles (Concession, NVO, DateOrdre DESC);
CREATE INDEX tVehicles_byImmat ON tVehicles (Concession, Immatriculation, DateOrdre DESC);
CREATE INDEX tVehicles_byBuyer ON tVehicles (Concession, Acheteur, DateOrdre DESC);

CREATE TABLE tClients (
  idClient INTEGER PRIMARY KEY, Concession TEXT COLLATE NOCASE, Site TEXT COLLATE NOCASE, idOwner TEXT COLLATE NOCASE, idCom INTEGER,
  CliCivilite TEXT COLLATE NOCASE, CliNom TEXT COLLATE NOCASE, CliPrenom TEXT COLLATE NOCASE, CliAdresse1 TEXT COLLATE NOCASE, CliAdresse2 TEXT COLLATE NOCASE,
  CliCP TEXT COLLATE NOCASE, CliVille TEXT COLLATE NOCASE, CliPays TEXT COLLATE NOCASE, CliObservations TEXT COLLATE NOCASE, CliEmail TEXT COLLATE NOCASE,
  CliMobile TEXT COLLATE NOCASE, CliTelDom TEXT COLLATE NOCASE, CliTelBur TEXT COLLATE NOCASE, CliProfession TEXT COLLATE NOCASE, CliEmployeur TEXT COLLATE NOCASE,
  CliDateNaissance DATE, CliSituationFamille TEXT COLLATE NOCASE, CliNbEnfants INTEGER, CliOrigine TEXT COLLATE NOCASE,
  DateCreation DATE, PATypeVO TEXT COLLATE NOCASE, PASegment TEXT COLLATE NOCASE, PACarrosserie TEXT COLLATE NOCASE, PAEnergie TEXT COLLATE NOCASE,
  PAChoix1 TEXT COLLATE NOCASE, PAChoix2 TEXT COLLATE NOCASE, PAMarque1 TEXT COLLATE NOCASE, PAModele1 TEXT COLLATE NOCASE, PAMarque2 TEXT COLLATE NOCASE, PAModele2 TEXT COLLATE NOCASE,
  PADateSpirit DATE, CliDateProchainAchat DATE
);
CREATE INDEX tClients_nom ON tClients (Concession, CliNom, CliPrenom, idClient DESC);
CREATE INDEX tClients_mobile ON tClients (CliMobile);
CREATE INDEX tClients_teldom ON tClients (CliTelDom);
CREATE INDEX tClients_byMobile ON tClients (Concession, CliMobile, idClient DESC);
CREATE INDEX tClients_byTelDom ON tClients (Concession, CliTelDom, idClient DESC);

-- Follow-up actions of a customer; the list columns hold 1-based positions in their lists.
CREATE TABLE tActions (
  idAction INTEGER PRIMARY KEY, idClient INTEGER, DateAction DATE, idCom INTEGER,
  TypeAction INTEGER, SujetAction INTEGER, CommentaireAction TEXT COLLATE NOCASE, DateRelance DATE,
  idComRelance INTEGER, SujetRelance INTEGER, PrioriteRelance INTEGER
);
CREATE INDEX tActions_client ON tActions (idClient);

-- Vehicles a customer owns, bought here or elsewhere.
CREATE TABLE TVehiclesKundor (
  idTVO INTEGER PRIMARY KEY, idClient INTEGER, NVO INTEGER, idOwner TEXT COLLATE NOCASE, Concession TEXT COLLATE NOCASE,
  TypeVO TEXT COLLATE NOCASE, DateOrdre DATE, Site TEXT COLLATE NOCASE, Acheteur TEXT COLLATE NOCASE, InfoMarque TEXT COLLATE NOCASE, InfoModele TEXT COLLATE NOCASE,
  InfoVersion TEXT COLLATE NOCASE, InfoTypeVersion TEXT COLLATE NOCASE, MEC DATE, Immatriculation TEXT COLLATE NOCASE, KMS INTEGER,
  DateFinGarantie DATE, TypeFinancement TEXT COLLATE NOCASE, AbbrFinancement TEXT COLLATE NOCASE, MensualiteFinancement MONEY,
  DateFinFinancement DATE, LieuEntretien1 TEXT COLLATE NOCASE, LieuEntretien2 TEXT COLLATE NOCASE, DateLastSAV DATE,
  DateNextSAV DATE, KmLastSAV INTEGER, KmNextSAV INTEGER, SatisfVehicle TEXT COLLATE NOCASE, SatisfSAV TEXT COLLATE NOCASE
);
CREATE INDEX TVehiclesKundor_client ON TVehiclesKundor (idClient);
CREATE INDEX TVehiclesKundor_byImmat ON TVehiclesKundor (Concession, Immatriculation, DateOrdre DESC);

-- Refurbishment costs of a vehicle.
CREATE TABLE [tVO - Frevo] (
  idFrevo INTEGER PRIMARY KEY, idVO INTEGER, DateFrevo DATE, LibelleFrevo TEXT COLLATE NOCASE,
  NComptable TEXT COLLATE NOCASE, NomFournisseur TEXT COLLATE NOCASE, NFacture TEXT COLLATE NOCASE, TypeFrevo TEXT COLLATE NOCASE, MontantHT MONEY
);
CREATE INDEX Frevo_vehicle ON [tVO - Frevo] (idVO);

-- Stored photos of a vehicle; DateImage is kept as the client sent it.
CREATE TABLE [tVO - Liens Images] (
  idImage INTEGER PRIMARY KEY, idVO INTEGER, NumImage INTEGER, NomImage TEXT COLLATE NOCASE, DateImage TEXT COLLATE NOCASE
);
CREATE INDEX Images_vehicle ON [tVO - Liens Images] (idVO);

-- Editable pick lists: RubricItem is a dealership code, or '..' for every dealership.
CREATE TABLE ListRubrics (RubricType TEXT COLLATE NOCASE, RubricIndex INTEGER, RubricItem TEXT COLLATE NOCASE, RubricText TEXT COLLATE NOCASE);
CREATE INDEX ListRubrics_type ON ListRubrics (RubricType, RubricIndex);
CREATE TABLE ListModels (VMarque TEXT COLLATE NOCASE, VModele TEXT COLLATE NOCASE);
CREATE TABLE ListVersions (VMarque TEXT COLLATE NOCASE, VModele TEXT COLLATE NOCASE, VVersion TEXT COLLATE NOCASE, VConcession TEXT COLLATE NOCASE);

-- The server's own tables; client SQL cannot reach them.
CREATE TABLE Concessions (Concession TEXT COLLATE NOCASE PRIMARY KEY, Nom TEXT COLLATE NOCASE);
CREATE TABLE Sites (Concession TEXT COLLATE NOCASE, Site TEXT COLLATE NOCASE, Marques TEXT COLLATE NOCASE, MontantFraisDossier MONEY,
  PRIMARY KEY (Concession, Site));
CREATE TABLE Staff (idCom INTEGER PRIMARY KEY, Concession TEXT COLLATE NOCASE, cNom TEXT COLLATE NOCASE, Site TEXT COLLATE NOCASE);
CREATE TABLE Users (idUser TEXT COLLATE NOCASE PRIMARY KEY, Name_ TEXT COLLATE NOCASE, Concession TEXT COLLATE NOCASE, UserSite TEXT COLLATE NOCASE, US1 TEXT COLLATE NOCASE);
CREATE TABLE UserGroups (idUser TEXT COLLATE NOCASE, GName TEXT COLLATE NOCASE, PRIMARY KEY (idUser, GName));
CREATE TABLE OptDates (Concession TEXT COLLATE NOCASE PRIMARY KEY, Opt_LimiteDateDeb DATE,
  Opt_LimiteDateDebFrevo DATE, Opt_LimiteDateDebKundor DATE, Opt_LimiteDateVerrouVNVO DATE);
-- Structure descriptors, in document order; Concession '..' is common to all dealerships.
CREATE TABLE StructDesc (
  Position INTEGER PRIMARY KEY, Concession TEXT COLLATE NOCASE, descInfo TEXT COLLATE NOCASE, idNum TEXT COLLATE NOCASE, txtInfo TEXT COLLATE NOCASE,
  vInfo TEXT COLLATE NOCASE, tag TEXT COLLATE NOCASE, defval TEXT COLLATE NOCASE, width TEXT COLLATE NOCASE, "left" TEXT COLLATE NOCASE, top TEXT COLLATE NOCASE, height TEXT COLLATE NOCASE,
  length TEXT COLLATE NOCASE, tInfo TEXT COLLATE NOCASE, tControl TEXT COLLATE NOCASE, color TEXT COLLATE NOCASE, "notNull" TEXT COLLATE NOCASE, enabled TEXT COLLATE NOCASE, fieldInfo TEXT COLLATE NOCASE
);
-- Lists shown in multi-choice list boxes (equipment, options, next-purchase wishes).
CREATE TABLE ListOptions (ListName TEXT COLLATE NOCASE, Position INTEGER, Abbr TEXT COLLATE NOCASE, eText TEXT COLLATE NOCASE, Concession TEXT COLLATE NOCASE);
CREATE INDEX ListOptions_list ON ListOptions (ListName, Position);
CREATE TABLE Reservations (idResa INTEGER PRIMARY KEY, idTVO INTEGER, DResaMax DATE,
  Vendeur TEXT COLLATE NOCASE, Acheteur TEXT COLLATE NOCASE, Commentaire TEXT COLLATE NOCASE);
CREATE INDEX Reservations_vehicle ON Reservations (idTVO);
CREATE TABLE SmsMessages (idSms INTEGER PRIMARY KEY, Destinataire TEXT COLLATE NOCASE, Texte TEXT COLLATE NOCASE, DateEnvoi TEXT COLLATE NOCASE);
-- The last identifier handed out per key column, so that a deleted record's number is never
-- given to a new one (its old costs, photos or actions would follow it).
CREATE TABLE IdSequences (TableName TEXT COLLATE NOCASE, ColumnName TEXT COLLATE NOCASE, LastValue INTEGER,
  PRIMARY KEY (TableName, ColumnName));
