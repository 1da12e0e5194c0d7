// The photo form post, the photo files and the SMS script.
#include "WebServerFixture.h"

#include "webserver/PhotoGenerator.h"

#include <fstream>
#include <sstream>

namespace webserver::test {
namespace {

using server::TXml;

class PhotoAndSms : public WebServerTest {
protected:
    std::string fileBytes(const std::string& name) {
        std::ifstream in(std::filesystem::path(m_photos) / name, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    // The form of a photo transfer, parts in the client's order.
    httplib::MultipartFormDataItems photoForm(const std::string& name, const std::string& big, const std::string& mini,
                                              const std::string& sql) {
        return {{"NFImage", name + ".jpg", "", ""},  {"XMLC_OutputFormat", "XML", "", ""},
                {"SQLExecute", sql, "", ""},          {"MAX_FILE_SIZE", "4096000", "", ""},
                {"File", big, name + ".jpg", "file"}, {"NFImageMini", name + "m.jpg", "", ""},
                {"File", mini, name + "m.jpg", "file"}};
    }
};

TEST_F(PhotoAndSms, PhotoPostStoresBothFilesWithItsLink) {
    const std::string big = demo::makeJpeg(640, 480, {10, 20, 200}, 7), mini = demo::makeJpeg(120, 90, {10, 20, 200}, 7);
    const std::string sql = "INSERT INTO [tVO - Liens Images] (idImage, idVO, NumImage, NomImage, DateImage) VALUES "
                            "(:NewID, 41001, 9, 'M0041001-09', '2026-11-30 14:03:07')";
    auto res = m_http->Post("/garvex/AxInsert", photoForm("M0041001-09", big, mini, sql));
    ASSERT_TRUE(res);
    const TXml xml = reader(res->body);
    ASSERT_EQ(warning(xml), "");
    EXPECT_EQ(scalar("SELECT NomImage FROM [tVO - Liens Images] WHERE idImage=" + child(xml, "OutParams", "NewID").toStdString()),
              "M0041001-09");
    EXPECT_EQ(fileBytes("M0041001-09.jpg"), big);
    EXPECT_EQ(fileBytes("M0041001-09m.jpg"), mini);
    auto served = m_http->Get(std::string(kPhotoPath) + "M0041001-09.jpg");
    ASSERT_TRUE(served);
    EXPECT_EQ(served->body, big);
    EXPECT_EQ(served->get_header_value("Content-Type"), "image/jpeg");
}

TEST_F(PhotoAndSms, ARefusedPhotoPostStoresNothing) {
    const std::string jpeg = demo::makeJpeg(120, 90, {1, 2, 3}, 1);
    const std::string good = "INSERT INTO [tVO - Liens Images] (idImage, idVO, NumImage, NomImage, DateImage) VALUES "
                             "(:NewID, 41001, 8, 'M0041001-08', '2026-11-30 14:03:07')";
    struct Case {
        std::string name, big, sql;
        const char* message;
    } cases[] = {
        {"../../evil", jpeg, good, "Nom de fichier photo refusé"},
        {"M0041001-08", "not a picture", good, "n'est pas une image JPEG"},
        {"M0041001-08", jpeg, "INSERT INTO [tVO - Liens Images] (idImage, NomImage) VALUES (:NewID, 'x'); DROP TABLE tClients",
         "Une seule instruction"},
        {"M0041001-08", jpeg, "INSERT INTO Users (idUser) VALUES ('x')", "Table non autorisée"},
    };
    const std::string before = fingerprint();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        auto res = m_http->Post("/AxInsert", photoForm(c.name, c.big, jpeg, c.sql));
        ASSERT_TRUE(res);
        EXPECT_TRUE(warning(reader(res->body)).contains(QString::fromUtf8(c.message))) << res->body;
    }
    EXPECT_EQ(fingerprint(), before);
    for (const auto& entry : std::filesystem::directory_iterator(m_photos))
        EXPECT_EQ(entry.path().filename().string().find("-08"), std::string::npos) << entry.path();
    EXPECT_FALSE(std::filesystem::exists(m_dir / "evil.jpg"));
}

TEST_F(PhotoAndSms, StoredPhotosAreServedAndOthersAreNot) {
    const std::string name = scalar("SELECT NomImage FROM [tVO - Liens Images] LIMIT 1");
    auto photo = m_http->Get(std::string(kPhotoPath) + name + ".jpg");
    ASSERT_TRUE(photo);
    EXPECT_EQ(photo->status, 200);
    ASSERT_GT(photo->body.size(), 1000u);
    EXPECT_EQ(photo->body.substr(0, 2), "\xFF\xD8");
    EXPECT_EQ(photo->body.substr(photo->body.size() - 2), "\xFF\xD9");
    for (const std::string missing : {"NOPE-01.jpg", "..%2Fdemo.db", "%2E%2E%2Fdemo.db"}) {
        auto res = m_http->Get(std::string(kPhotoPath) + missing);
        ASSERT_TRUE(res);
        EXPECT_EQ(res->status, 404) << missing;
    }
}

TEST_F(PhotoAndSms, SmsIsRecordedAndAnsweredWithTheMarker) {
    const std::string text = "de Merisca LILLE,\r\n\r\npour un test d'envoi \xC3\xA0 M. DUPONT Jean";
    auto ok = m_http->Post("/tools/smssend/smssend.php5",
                           httplib::MultipartFormDataItems{{"destinataire", "+33612345678", "", ""}, {"texte", text, "", ""}});
    ASSERT_TRUE(ok);
    EXPECT_NE(ok->body.find("telephonySmsSend successfull"), std::string::npos);
    EXPECT_EQ(scalar("SELECT Texte FROM SmsMessages"), text);
    auto bad = m_http->Post("/tools/smssend/smssend.php5",
                            httplib::MultipartFormDataItems{{"destinataire", "0612", "", ""}, {"texte", "x", "", ""}});
    ASSERT_TRUE(bad);
    EXPECT_EQ(bad->body.find("successfull"), std::string::npos);
    EXPECT_EQ(scalar("SELECT count(*) FROM SmsMessages"), "1");
}

} // namespace
} // namespace webserver::test
