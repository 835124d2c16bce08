// SPDX-License-Identifier: MIT
// The soak tool's command line: defaults, kinds, numbers, refusals, and the
// warm-up and memory rule it derives from the event count.
#include <gtest/gtest.h>

#include "SoakOptions.h"

namespace {

SoakOptions Parsed(QStringList arguments) {
    arguments.prepend(QStringLiteral("glomira-soak"));
    SoakCommandLine commandLine;
    EXPECT_TRUE(commandLine.Parse(arguments)) << commandLine.Error().toStdString();
    return commandLine.Options();
}

QString Refusal(QStringList arguments) {
    arguments.prepend(QStringLiteral("glomira-soak"));
    SoakCommandLine commandLine;
    EXPECT_FALSE(commandLine.Parse(arguments));
    return commandLine.Error();
}

TEST(SoakOptions, DefaultsPlayEveryKindTenThousandTimes) {
    const SoakOptions options = Parsed({});
    EXPECT_EQ(options.kinds, QStringList({"AREA", "ORT", "FLAGG", "MULTI"}));
    EXPECT_EQ(options.events, 10000);
    EXPECT_TRUE(options.exercises.isEmpty());
    EXPECT_FALSE(options.verbose);
    EXPECT_FALSE(options.asInGame);
}

TEST(SoakOptions, KindsByCommasOrRepeatedInAnyCaseOnceEach) {
    EXPECT_EQ(Parsed({"--kind", "multi,Area"}).kinds, QStringList({"MULTI", "AREA"}));
    EXPECT_EQ(Parsed({"-k", "FLAGG", "-k", "ort", "-k", "flagg"}).kinds,
              QStringList({"FLAGG", "ORT"}));
}

TEST(SoakOptions, NumbersAreRead) {
    const SoakOptions options =
        Parsed({"--events", "300", "--seed", "18446744073709551615", "-e", "12", "-e", "5",
                "--warm-up", "50", "--max-growth", "2.5", "--verbose", "--as-in-game"});
    EXPECT_EQ(options.events, 300);
    EXPECT_EQ(options.seed, 18446744073709551615ull);
    EXPECT_EQ(options.exercises, QList<int>({12, 5}));
    EXPECT_EQ(options.warmUpEvents, 50);
    EXPECT_DOUBLE_EQ(options.maxGrowthPercent, 2.5);
    EXPECT_TRUE(options.verbose);
    EXPECT_TRUE(options.asInGame);
}

TEST(SoakOptions, NonsenseIsRefusedWithTheOptionNamed) {
    EXPECT_TRUE(Refusal({"--kind", "AREA,MAP"}).contains("MAP"));
    EXPECT_TRUE(Refusal({"--kind", ","}).contains("--kind"));
    EXPECT_TRUE(Refusal({"--events", "0"}).contains("--events"));
    EXPECT_TRUE(Refusal({"--events", "many"}).contains("--events"));
    EXPECT_TRUE(Refusal({"--seed", "-3"}).contains("--seed"));
    EXPECT_TRUE(Refusal({"--exercise", "x"}).contains("--exercise"));
    EXPECT_TRUE(Refusal({"--max-growth", "-1"}).contains("--max-growth"));
    EXPECT_TRUE(Refusal({"--no-such-option"}).contains("no-such-option"));
    EXPECT_TRUE(Refusal({"extra"}).contains("extra"));
}

TEST(SoakOptions, HelpIsAskedForAndTellsTheMemoryRule) {
    SoakCommandLine commandLine;
    ASSERT_TRUE(commandLine.Parse({"glomira-soak", "--help"}));
    EXPECT_TRUE(commandLine.WantsHelp());
    EXPECT_TRUE(commandLine.HelpText().contains("warm-up"));
    EXPECT_TRUE(commandLine.HelpText().contains("5000"));
}

TEST(SoakOptions, WithoutASeedEachSoakDrawsItsOwn) {
    // Two draws from a billion agree once in a billion runs.
    EXPECT_NE(Parsed({}).seed, Parsed({}).seed);
}

TEST(SoakOptions, ShortSoaksWarmUpForAFifthAndAreNotJudgedOnMemory) {
    const SoakOptions options = Parsed({});
    EXPECT_EQ(options.WarmUpFor(10000), 2000);
    EXPECT_EQ(options.WarmUpFor(50000), 2000);
    EXPECT_EQ(options.WarmUpFor(300), 60);
    EXPECT_FALSE(options.JudgesMemory(300));
    EXPECT_FALSE(options.JudgesMemory(4999));
    EXPECT_TRUE(options.JudgesMemory(5000));
}

}  // namespace
