// garvex-webserver --db FILE [--port N] [--bind ADDR] [--photos DIR] [--init-demo]
//                  [--demo-vehicles N] [--demo-customers N]
#include "webserver/DemoLoader.h"
#include "webserver/Server.h"

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

namespace {

enum Exit { Ok = 0, Usage = 2, NoDatabase = 3, NoPort = 4, DemoFailed = 5 };

const char* kUsage =
    "usage : garvex-webserver --db FICHIER [--port N] [--bind ADRESSE] [--photos DOSSIER] [--init-demo]\n"
    "                         [--demo-vehicles N] [--demo-customers N]\n"
    "  --db FICHIER      la base SQLite de la concession\n"
    "  --port N          port d'écoute (8080 par défaut, 0 : un port libre)\n"
    "  --bind ADRESSE    adresse d'écoute (127.0.0.1 par défaut)\n"
    "  --photos DOSSIER  dossier des photos (par défaut : photos/ à côté de la base)\n"
    "  --init-demo       crée la base (nouveau fichier) et y charge la concession de démonstration\n"
    "  --demo-vehicles N, --demo-customers N : nombre de véhicules et de clients générés par concession\n";

int usage(const std::string& message) {
    std::cerr << "garvex-webserver: " << message << "\n" << kUsage;
    return Usage;
}

bool readInt(const std::string& text, int low, int high, int& out) {
    try {
        std::size_t used = 0;
        const long v = std::stol(text, &used);
        if (used != text.size() || v < low || v > high) return false;
        out = static_cast<int>(v);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace

int main(int argc, char** argv) {
    webserver::ServerOptions options;
    options.port = 8080;
    bool initDemo = false;
    webserver::demo::DemoOptions demo;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto value = [&](std::string& out) {
            if (i + 1 >= argc) return false;
            out = argv[++i];
            return true;
        };
        std::string v;
        if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            return Ok;
        } else if (arg == "--init-demo") {
            initDemo = true;
        } else if (arg == "--db") {
            if (!value(options.dbPath)) return usage("--db attend un nom de fichier");
        } else if (arg == "--photos") {
            if (!value(options.photosDir)) return usage("--photos attend un dossier");
        } else if (arg == "--bind") {
            if (!value(options.bindAddress)) return usage("--bind attend une adresse");
        } else if (arg == "--port") {
            if (!value(v) || !readInt(v, 0, 65535, options.port)) return usage("--port attend un nombre de 0 à 65535");
        } else if (arg == "--demo-vehicles") {
            if (!value(v) || !readInt(v, 0, 1000000, demo.vehiclesPerDealership)) return usage("--demo-vehicles attend un nombre");
        } else if (arg == "--demo-customers") {
            if (!value(v) || !readInt(v, 0, 1000000, demo.customersPerDealership)) return usage("--demo-customers attend un nombre");
        } else {
            return usage("option inconnue : " + arg);
        }
    }
    if (options.dbPath.empty()) return usage("--db est obligatoire");
    if (options.photosDir.empty())
        options.photosDir = (std::filesystem::absolute(options.dbPath).parent_path() / "photos").string();

    if (initDemo) {
        demo.dbPath = options.dbPath;
        demo.photosDir = options.photosDir;
        try {
            webserver::demo::createDemo(demo);
        } catch (const std::exception& e) {
            std::cerr << "garvex-webserver: " << e.what() << "\n";
            return DemoFailed;
        }
        std::cout << "garvex-webserver: démonstration chargée dans " << options.dbPath << ", photos dans "
                  << options.photosDir << std::endl;
    }

    // The signals are waited for below; blocked before any thread starts so that none takes them.
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);

    webserver::Server server;
    int port = 0;
    try {
        port = server.start(options);
    } catch (const webserver::StartError& e) {
        std::cerr << "garvex-webserver: " << e.what() << "\n";
        return e.cause == webserver::StartError::Cause::Listen ? NoPort : NoDatabase;
    }
    std::cout << "garvex-webserver: listening on " << options.bindAddress << ":" << port << std::endl;
    std::cout << "garvex-webserver: URLImages http://" << options.bindAddress << ":" << port << webserver::kPhotoPath
              << " (dossier " << options.photosDir << ")" << std::endl;
    int received = 0;
    sigwait(&signals, &received);
    server.stop();
    std::cout << "garvex-webserver: arrêté" << std::endl;
    return Ok;
}
