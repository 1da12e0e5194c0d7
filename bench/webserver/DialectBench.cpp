// Tokenizing and translating the client's statements, per statement.
#include "webserver/SqlDialect.h"

#include <benchmark/benchmark.h>

namespace {

void translate(benchmark::State& state, const char* sql) {
    for (auto _ : state) benchmark::DoNotOptimize(webserver::sql::translate(sql, false));
}

BENCHMARK_CAPTURE(translate, search,
                  "SELECT TypeVO, idTVO as VO_ID, StatutVD, NVO as VO_NO, Immatriculation AS VO_IMMAT, [InfoMarque], "
                  "[InfoModele], InfoVersion AS VO_VERSION, Acheteur AS VO_BUYER, DateOrdre AS VO_ORDRE, NVO AS "
                  "VO_Result, Site as VO_SITE, Concession, idOwner FROM TVehicles Where (Concession='C1') and "
                  "((TypeVO=2) and (not isnull(StatutVD)) and (SITE='LILLE') and (NVO>=1234)) ORDER BY NVO, DateOrdre desc");
BENCHMARK_CAPTURE(translate, insert,
                  "Insert into tVehicles (NVO, Site, DateEntree, PrixVente, idTVO, TypeVO, idVO, idOwner, Concession) "
                  "Values (31000, 'LILLE', #03/15/2026#, 1250.50, :NewID, 1, :NewIDbis, 1000001, 'MER')");

} // namespace
