#pragma once
// The header above the tabs: number, title, colour or e-mail, power and mileage or mobile, days in
// stock or home phone; the window caption, the application title and its icon follow the record.
class QWidget;

namespace app {
class TAxGarvex;
}

namespace record {

class THeader {
public:
    explicit THeader(app::TAxGarvex& form);

    void setInfoNVO();
    void setInfoTitre();
    void setInfoField1();
    void setInfoField2();
    void setInfoField3();

private:
    void setCaption();

    app::TAxGarvex& F;
    QWidget *cNVO, *cVDNVO, *cVNNVO;
    QWidget *cInfoMarque, *cInfoVersion, *cVDInfoMarque, *cVDInfoVersion, *cVNInfoMarque, *cVNInfoVersion;
    QWidget *cInfoCouleur, *cVDInfoCouleur, *cVNInfoCouleur;
    QWidget *cCV, *cKMS, *cVDCV, *cVDKMS;
    QWidget *cDateOrdre, *cDateEntree, *cVNDateOrdre, *cVNDateFacture, *cVNMEC;
    QWidget *aCliEmail, *aCliMobile, *aCliTelDom;
};

// The font size that lets an e-mail address of this length fit its header field.
int EmailFontSize(int length);

} // namespace record
