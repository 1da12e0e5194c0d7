#pragma once
// The demo dealership for a client in a temporary folder: APPDATA and TEMP point into it, and the
// web server serves a fresh demo database on a free loopback port. For the bench and the
// screenshot program, which open demo records in the real window.
#include "webserver/DemoLoader.h"
#include "webserver/Server.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

struct DemoFolder {
    QTemporaryDir dir;
    webserver::Server web;
    QString base; // the BaseHRef of the server

    explicit DemoFolder(bool photos,
                        int vehiclesPerDealership = webserver::demo::DemoOptions{}.vehiclesPerDealership) {
        qputenv("APPDATA", dir.path().toUtf8());
        qputenv("TEMP", dir.filePath("temp").toUtf8());
        QDir().mkpath(dir.filePath("Garvex"));
        QDir().mkpath(dir.filePath("temp"));
        webserver::demo::DemoOptions demo;
        demo.dbPath = dir.filePath("demo.sqlite").toStdString();
        demo.photosDir = dir.filePath("photos").toStdString();
        demo.photos = photos;
        demo.vehiclesPerDealership = vehiclesPerDealership;
        webserver::demo::createDemo(demo);
        base = QStringLiteral("http://127.0.0.1:%1/").arg(web.start(demo.dbPath, demo.photosDir));
    }

    // The INI file that opens one record of the demo dealership MER; false when it cannot be written.
    bool WriteIni(const QString& idTVO, const QString& idClient, const QString& idTypeVO,
                  const QString& idUser) const {
        QFile f(dir.filePath("Garvex/TAXGarvex.ini"));
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
        const QString text = "[Options]\r\nHttpRoot=" + base + "\r\nBaseHRef=" + base + "\r\nidTVO=" + idTVO +
                             "\r\nidClient=" + idClient + "\r\nidTypeVO=" + idTypeVO +
                             "\r\nidUser=" + idUser +
                             "\r\nUserConcession=MER\r\nUserSite=#\r\nURLImages=" + base + "voimages/\r\n";
        return f.write(text.toLatin1()) > 0;
    }
};
