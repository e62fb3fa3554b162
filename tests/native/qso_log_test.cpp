// Log store operations and the indexes kept in step with them.
#include <gtest/gtest.h>

#include "engine/qso_log.h"

namespace {

engine::CInfo record(std::string call, std::string band, std::string mode = "BPSK63", std::string prefix = "DL") {
    engine::CInfo r;
    r.Call = std::move(call);
    r.Band = std::move(band);
    r.Mode = std::move(mode);
    r.Prefix = std::move(prefix);
    return r;
}

TEST(CInfo, NewRecordIsEmptyAndValid) {
    engine::CInfo r;
    EXPECT_TRUE(r.Call.empty() && r.Province.empty() && r.ExchRcvd.empty());
    EXPECT_EQ(r.FreqKHz, 0);
    EXPECT_EQ(r.Flagged, 0);
    EXPECT_EQ(r.Time.days, 0.0);
    EXPECT_EQ(r.Time.status, kDateTimeValid);
}

TEST(QsoLog, KeepsDeliveryOrderAndClosesGaps) {
    engine::QsoLog log;
    log.append(record("A1A", "40m"));
    log.append(record("B1B", "40m"));
    log.append(record("C1C", "20m"));
    ASSERT_EQ(log.count(), 3u);

    EXPECT_TRUE(log.removeFirst("C1C", "20m"));  // last position
    ASSERT_EQ(log.count(), 2u);
    EXPECT_EQ(log.at(0).Call, "A1A");
    EXPECT_EQ(log.at(1).Call, "B1B");

    EXPECT_TRUE(log.removeFirst("A1A", "40m"));  // position 0: the rest moves up
    ASSERT_EQ(log.count(), 1u);
    EXPECT_EQ(log.at(0).Call, "B1B");

    EXPECT_FALSE(log.removeFirst("b1b", "40m"));  // exact comparison
    EXPECT_FALSE(log.removeFirst("B1B", "20m"));
    log.clear();
    EXPECT_EQ(log.count(), 0u);
    log.append(record("D1D", "10m"));
    EXPECT_EQ(log.at(0).Call, "D1D");
}

TEST(QsoLog, RemovesOnlyTheFirstMatchWhateverTheMode) {
    engine::QsoLog log;
    auto first = record("A1A", "40m", "BPSK63");
    first.ExchRcvd = "001";
    auto second = record("A1A", "40m", "bpsk63");
    second.ExchRcvd = "002";
    second.Flagged = 1;
    log.append(first);
    log.append(second);
    EXPECT_TRUE(log.removeFirst("A1A", "40m"));
    ASSERT_EQ(log.count(), 1u);
    EXPECT_EQ(log.at(0).ExchRcvd, "002");
    EXPECT_EQ(log.at(0).Flagged, 1);
}

TEST(QsoLog, IndexesFollowAppendsRemovesAndClear) {
    engine::QsoLog log;
    log.append(record("A1A", "40m", "BPSK63", "DL"));
    log.append(record("A1A", "40m", "BPSK63", "DL"));
    log.append(record("B1B", "40m", "BPSK63", "OK"));
    EXPECT_EQ(log.countSameContact("A1A", "40m", "BPSK63"), 2u);
    EXPECT_EQ(log.countSameContact("A1A", "40m", "bpsk63"), 0u);
    EXPECT_EQ(log.countSameContact("a1a", "40m", "BPSK63"), 0u);
    EXPECT_TRUE(log.hasCallOnBand("A1A", "40m"));
    EXPECT_FALSE(log.hasCallOnBand("A1A", "40M"));
    EXPECT_TRUE(log.hasPrefixOnBand("40m", "OK"));
    EXPECT_FALSE(log.hasPrefixOnBand("20m", "OK"));

    log.removeFirst("A1A", "40m");
    EXPECT_EQ(log.countSameContact("A1A", "40m", "BPSK63"), 1u);
    log.removeFirst("A1A", "40m");
    EXPECT_EQ(log.countSameContact("A1A", "40m", "BPSK63"), 0u);
    EXPECT_FALSE(log.hasCallOnBand("A1A", "40m"));
    EXPECT_FALSE(log.hasPrefixOnBand("40m", "DL"));
    EXPECT_TRUE(log.hasPrefixOnBand("40m", "OK"));

    log.clear();
    EXPECT_FALSE(log.hasPrefixOnBand("40m", "OK"));
}

TEST(QsoLog, KeyPartsCannotRunTogether) {
    engine::QsoLog log;
    log.append(record("AB", "C", "D"));
    EXPECT_EQ(log.countSameContact("A", "BC", "D"), 0u);
    EXPECT_FALSE(log.hasCallOnBand("A", "BC"));
}

TEST(BandsWorked, AddsEachExactTextOnceInFirstOrder) {
    engine::BandsWorked bands;
    bands.addIfAbsent("40m");
    bands.addIfAbsent("20m");
    bands.addIfAbsent("40m");
    bands.addIfAbsent("40M");
    ASSERT_EQ(bands.count(), 3u);
    EXPECT_EQ(bands.at(0), "40m");
    EXPECT_EQ(bands.at(1), "20m");
    EXPECT_EQ(bands.at(2), "40M");
    bands.clear();
    EXPECT_EQ(bands.count(), 0u);
}

}  // namespace

namespace {

TEST(QsoLog, ModeCountsSurviveRemovalsInAnyOrder) {
    engine::QsoLog log;
    log.append(record("A1A", "40m", "BPSK63"));
    log.append(record("A1A", "40m", "RTTY"));
    log.append(record("A1A", "40m", "PSK"));
    log.append(record("A1A", "40m", "RTTY"));
    log.append(record("B1B", "40m", "BPSK63"));
    EXPECT_TRUE(log.removeFirst("A1A", "40m"));  // the BPSK63 one: the inline mode slot empties
    EXPECT_EQ(log.countSameContact("A1A", "40m", "BPSK63"), 0u);
    EXPECT_EQ(log.countSameContact("A1A", "40m", "RTTY"), 2u);
    EXPECT_EQ(log.countSameContact("A1A", "40m", "PSK"), 1u);
    EXPECT_TRUE(log.removeFirst("A1A", "40m"));  // RTTY
    EXPECT_EQ(log.countSameContact("A1A", "40m", "RTTY"), 1u);
    EXPECT_EQ(log.at(0).Mode, "PSK");
    EXPECT_TRUE(log.removeFirst("A1A", "40m"));  // PSK
    EXPECT_TRUE(log.removeFirst("A1A", "40m"));  // RTTY
    EXPECT_FALSE(log.removeFirst("A1A", "40m"));
    EXPECT_EQ(log.countSameContact("A1A", "40m", "RTTY"), 0u);
    ASSERT_EQ(log.count(), 1u);
    EXPECT_EQ(log.at(0).Call, "B1B");
    log.append(record("A1A", "40m", "RTTY"));
    EXPECT_EQ(log.countSameContact("A1A", "40m", "RTTY"), 1u);
}

}  // namespace

#include <map>
#include <random>

#include "engine/text_index.h"

namespace {

// The index against a std::map model, through growth, clustering and erasure.
TEST(TextPairIndex, AgreesWithAMapThroughInsertsAndErasures) {
    engine::TextPairIndex<int> index;
    std::map<std::pair<std::string, std::string>, int> model;
    std::mt19937 random(42);
    auto text = [&](int range) { return std::to_string(random() % range); };
    for (int step = 0; step < 20000; ++step) {
        std::string a = text(60), b = (random() % 7 == 0) ? "" : text(5);
        switch (random() % 3) {
            case 0:
                ++index(a, b);
                ++model[{a, b}];
                break;
            case 1:
                index.erase(a, b);
                model.erase({a, b});
                break;
            default: {
                const int* found = index.find(a, b);
                auto it = model.find({a, b});
                ASSERT_EQ(found != nullptr, it != model.end()) << a << "/" << b;
                if (found) {
                    ASSERT_EQ(*found, it->second);
                }
            }
        }
        ASSERT_EQ(index.size(), model.size());
    }
    for (const auto& [key, value] : model) {
        const int* found = index.find(key.first, key.second);
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(*found, value);
    }
    // Parts cannot run together: ("1", "23") is not ("12", "3").
    ++index("1", "23");
    EXPECT_EQ(index.find("12", "3"), nullptr);
    index.clear();
    EXPECT_EQ(index.size(), 0u);
    EXPECT_EQ(index.find("1", "23"), nullptr);
}

}  // namespace
