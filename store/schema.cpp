#include "store/schema.h"

namespace bj {

const std::vector<TableColumns>& StrategyTables() {
    static const std::vector<TableColumns> tables {
        {"BettingStrategies",
            {"Ref_No", "Name", "Surrender", "DecksInShoe", "WinningSeqLength", "LosingSeqLength",
                "WinningHand1", "WinningHand2", "WinningHand3", "WinningHand4", "WinningHand5",
                "WinningHand6", "WinningHand7", "WinningHand8", "WinningHand9", "WinningHand10",
                "LosingHand1", "LosingHand2", "LosingHand3", "LosingHand4", "LosingHand5",
                "LosingHand6", "LosingHand7", "LosingHand8", "LosingHand9", "LosingHand10",
                "HandsToPlay", "Comments"}},
        {"PlayingStrategies",
            {"Ref_No", "Name", "DoubleDown", "SplitsDoubleDown", "DealerSoft17", "InsuranceOn21"}},
        {"PlayersHand",
            {"Ref_No", "PlayingStrategyRef_No", "DA", "D10", "D9", "D8", "D7", "D6", "D5", "D4",
                "D3", "D2", "Ins"}},
        {"VariableBet",
            {"Ref_No", "Name", "InitialBet", "MaximumBet", "MinimumBet", "MaintainMax",
                "MaintainMin", "WinAddSub", "LoseAddSub", "WinBet", "LoseBet"}},
    };
    return tables;
}

// Text widths are check constraints named after the rule, so a refusal explains itself.
// PlayersHand numbers its rows 0..25 per strategy, hence its two-column key.
std::string_view StrategySchemaSql() {
    return R"sql(
CREATE TABLE BettingStrategies (
    Ref_No INTEGER CONSTRAINT Ref_No PRIMARY KEY AUTOINCREMENT,
    Name VARCHAR(50) CONSTRAINT "the name is longer than 50 characters" CHECK (length(Name) <= 50),
    Surrender BOOLEAN,
    DecksInShoe SMALLINT,
    WinningSeqLength SMALLINT,
    LosingSeqLength SMALLINT,
    WinningHand1 SMALLINT, WinningHand2 SMALLINT, WinningHand3 SMALLINT, WinningHand4 SMALLINT,
    WinningHand5 SMALLINT, WinningHand6 SMALLINT, WinningHand7 SMALLINT, WinningHand8 SMALLINT,
    WinningHand9 SMALLINT, WinningHand10 SMALLINT,
    LosingHand1 SMALLINT, LosingHand2 SMALLINT, LosingHand3 SMALLINT, LosingHand4 SMALLINT,
    LosingHand5 SMALLINT, LosingHand6 SMALLINT, LosingHand7 SMALLINT, LosingHand8 SMALLINT,
    LosingHand9 SMALLINT, LosingHand10 SMALLINT,
    HandsToPlay SMALLINT,
    Comments VARCHAR(250)
        CONSTRAINT "the comment is longer than 250 characters" CHECK (length(Comments) <= 250)
);
CREATE TABLE PlayingStrategies (
    Ref_No INTEGER CONSTRAINT Ref_No PRIMARY KEY AUTOINCREMENT,
    Name VARCHAR(50) CONSTRAINT "the name is longer than 50 characters" CHECK (length(Name) <= 50),
    DoubleDown SMALLINT,
    SplitsDoubleDown SMALLINT,
    DealerSoft17 SMALLINT,
    InsuranceOn21 SMALLINT
);
CREATE TABLE PlayersHand (
    Ref_No INTEGER NOT NULL,
    PlayingStrategyRef_No INTEGER NOT NULL,
    DA SMALLINT, D10 SMALLINT, D9 SMALLINT, D8 SMALLINT, D7 SMALLINT,
    D6 SMALLINT, D5 SMALLINT, D4 SMALLINT, D3 SMALLINT, D2 SMALLINT,
    Ins SMALLINT,
    CONSTRAINT Ref_No PRIMARY KEY (Ref_No, PlayingStrategyRef_No)
);
CREATE TABLE VariableBet (
    Ref_No INTEGER CONSTRAINT Ref_No PRIMARY KEY AUTOINCREMENT,
    Name VARCHAR(80) CONSTRAINT "the name is longer than 80 characters" CHECK (length(Name) <= 80),
    InitialBet DOUBLE,
    MaximumBet DOUBLE,
    MinimumBet DOUBLE,
    MaintainMax TINYINT,
    MaintainMin TINYINT,
    WinAddSub TINYINT DEFAULT 0,
    LoseAddSub TINYINT DEFAULT 0,
    WinBet DOUBLE,
    LoseBet DOUBLE
);
)sql";
}

} // namespace bj
