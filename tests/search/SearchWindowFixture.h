#pragma once
// The real window with its record form and search panel, offscreen, against the web server started
// in-process over a temporary SQLite file with the fixture rows of the test. The server reports
// every request, so the tests read the SQL exactly as it arrived.
#include "app/AxGarvex.h"
#include "lists/PickLists.h"
#include "platform/ScriptedDialogs.h"
#include "search/SearchPanel.h"
#include "search/SearchQuery.h"
#include "support/FixtureServer.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class SearchWindowTest : public ::testing::Test, public FixtureServer {
protected:
    platform::ScriptedDialogs dialogs;
    std::unique_ptr<app::TAxGarvex> w;
    std::unique_ptr<lists::PickLists> lists;
    std::unique_ptr<search::TSearchPanel> panel; // these go before the window, as in the program

    void SetUp() override;
    void TearDown() override;

    // The database the server opens: the empty schema, unless a test class fills it otherwise.
    virtual void CreateDatabase();
    // Dealership C1 with its sites LILLE and LENS, user 1000042 (sites LILLE), the type and site
    // lists, three vehicles (12 VO, 13 VN, 14 VD) and two customers (5, 6).
    void AddRecords() const;

    // INI parameters: the user on vehicle 12, with `changes` (an empty value removes a key).
    void WriteIni(const Keys& changes = {}) const;
    // The window after its first load, as the program composes it.
    void Open(const Keys& changes = {});
    // A new window over the same INI file.
    void Reopen();
    // The same on customer 5.
    void OpenCustomer(Keys changes = {}) {
        changes.insert(changes.begin(), {{"idTVO", ""}, {"idClient", "5"}});
        Open(changes);
    }

    // Heartbeat ticks until the pending search has run (at most 12).
    void RunCountdown();
    // A click on the search button, with Ctrl held or not.
    void ClickSearchButton(bool ctrl = false);
    void Click(QWidget* control);
    // A click in a cell of a result row.
    void ClickRow(int row);

    // The SQL of the last AxQuery received ("" when none).
    QString LastQuery() const;

private:
    void openWindow();
};

// The condition of a query: what stands between " Where " and " ORDER BY ".
QString WhereOf(const QString& query);
