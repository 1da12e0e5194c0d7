#pragma once
// The real main window with its record form, offscreen, against the dealership web server started
// in-process on a loopback port over a temporary SQLite file holding the fixture rows of the test.
// The clock of the window is fixed; the server's "Now" is the machine's date.
#include "app/AxGarvex.h"
#include "platform/ScriptedDialogs.h"
#include "record/RecordForm.h"
#include "support/FixtureServer.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class RecordWindowTest : public ::testing::Test, public FixtureServer {
protected:
    // One row of the structure descriptors; the keys left at their defaults are written empty.
    struct Desc {
        std::string descInfo, idNum, txtInfo, vInfo, tag, defval, width, left, top, height, length, tInfo,
            tControl, color, notNull, enabled, fieldInfo;
    };

    platform::ScriptedDialogs dialogs;

    void SetUp() override;
    void TearDown() override;

    void Add(const Desc& d) const;
    // A page descriptor: kind, page number, field group, control prefix, tab caption.
    void AddPage(const std::string& kind, int page, const std::string& group, const std::string& prefix,
                 const std::string& caption = "Page") const;
    // A field of a group with its place in twips.
    void AddField(const std::string& group, const std::string& vInfo, const std::string& caption, int left,
                  int top, int width = 1500, int tControl = 109, int tInfo = 2,
                  const std::string& tag = "SVO", const std::string& enabled = "1") const;

    QString Base() const;
    // The statements (SQL or SQLExecute) the server received for a script, in order, since the last
    // call for that script.
    QStringList Received(const std::string& script);
    // INI parameters: user 1000042 of MERISCA on vehicle 12, with `changes` (an empty value removes).
    void WriteIni(const Keys& changes = {}) const;
    // The window with its record form, before its first load.
    std::unique_ptr<app::TAxGarvex> Create(const Keys& changes = {});
    // The window after its first load.
    std::unique_ptr<app::TAxGarvex> Open(const Keys& changes = {});
    static record::TRecordForm& Form(app::TAxGarvex& w);
    QStringList TraceLines() const;
};
