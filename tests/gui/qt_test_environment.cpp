// One QApplication for the whole test program, made before the first test
// and offscreen unless the caller chose a platform.
//
// Exchange rates come from a cache of the program's own, fetched just now:
// a test that shows Currency (or walks the category list past it) then has
// rates and no reason to go online.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cstdlib>
#include <ctime>
#include <memory>

#include "rates_cache.h"

namespace {

class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("XDG_CACHE_HOME", cache_.path().toLocal8Bit());
        // Never the user's own history.
        qputenv("XDG_STATE_HOME", state_.path().toLocal8Bit());
        const CachedRates fresh{"test", std::time(nullptr), {"2026-12-07", {{"USD", 1.25}}}};
        if (WriteRatesCache(RatesCachePath(), fresh)) std::abort();
        // The NBP's tables too, so that no source is due.
        const CachedRates tableA{
            "test", std::time(nullptr), {"2026-12-07", {{"EUR", 0.25}}}, RatesSource::NbpTableA};
        const CachedRates tableB{
            "test", std::time(nullptr), {"2026-12-02", {{"ARS", 250.0}}}, RatesSource::NbpTableB};
        for (const CachedRates* table : {&tableA, &tableB})
            if (WriteRatesCache(SourceCachePath(RatesCachePath(), table->table), *table))
                std::abort();
        application_ = std::make_unique<QApplication>(argc_, argv_);
    }
    void TearDown() override { application_.reset(); }

private:
    int argc_ = 1;
    char name_[16] = "mezura-gui-test";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> application_;
    QTemporaryDir cache_;
    QTemporaryDir state_;
};

[[maybe_unused]] const auto* const environment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace
