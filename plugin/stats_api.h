// The interface between the host and the plug-in: the calling convention, the argument types
// and the ten entry points with their exact argument lists. The plug-in implements these
// functions; the simulated host calls them through the function types below.
#pragma once

#include <cstdint>

#include "engine/date_time.h"

// Every entry point uses this one calling convention.
#if defined(_WIN32) && !defined(_WIN64)
#define STATS_CALL __cdecl
#else
#define STATS_CALL
#endif

namespace stats_api {
using Text = const char*;             // null counts as empty
using DateTime = const OleDateTime*;  // null counts as a null date-time
using OutText = char*;
}  // namespace stats_api

#define STATS_ADD_DATA_PARAMS                                                                                       \
    stats_api::Text ownCall, stats_api::Text call, stats_api::DateTime qsoTime, stats_api::DateTime dateTime4,      \
        stats_api::DateTime dateTime5, stats_api::DateTime dateTime6, uint32_t unsigned7, uint32_t frequencyHz,     \
        stats_api::Text mode, stats_api::Text rstSent, stats_api::Text rstRcvd, stats_api::Text exchSent,           \
        stats_api::Text exchRcvd, stats_api::Text text14, stats_api::Text text15, stats_api::Text text16,           \
        stats_api::Text text17, stats_api::Text text18, stats_api::Text text19, stats_api::Text text20,             \
        stats_api::Text text21, stats_api::Text text22, stats_api::Text prefix, int32_t int24, int32_t int25,       \
        int32_t int26, double double27, double double28, stats_api::Text text29, stats_api::Text continent,         \
        stats_api::Text text31, stats_api::Text band, stats_api::Text text33

#define STATS_CHECK_CALL_PARAMS                                                                                     \
    stats_api::Text call, uint32_t unsigned2, uint32_t unsigned3, stats_api::Text mode, stats_api::Text text5,      \
        stats_api::Text text6, stats_api::Text text7, stats_api::Text text8, stats_api::Text text9,                 \
        stats_api::Text text10, stats_api::Text text11, stats_api::Text text12, stats_api::Text text13,             \
        stats_api::Text prefix, int32_t int15, int32_t int16, int32_t int17, double double18, double double19,      \
        stats_api::Text text20, stats_api::Text text21, stats_api::Text text22, stats_api::Text text23,             \
        stats_api::Text text24, stats_api::Text band, stats_api::Text bandCheck, stats_api::OutText out27,          \
        stats_api::OutText out28

#define STATS_RESET_STATS_PARAMS                                                                                    \
    stats_api::Text text1, int32_t cabrilloWanted, stats_api::Text ownCall, stats_api::DateTime periodStart,        \
        stats_api::DateTime periodEnd, stats_api::Text text6, stats_api::Text text7, stats_api::Text text8,         \
        stats_api::Text text9, stats_api::Text text10, stats_api::Text text11, stats_api::Text text12,              \
        stats_api::Text text13, stats_api::Text text14, stats_api::Text ownPrefix, int32_t int16, int32_t int17,    \
        int32_t int18, double double19, double double20, stats_api::Text text21, stats_api::Text ownContinent,      \
        stats_api::Text text23

#define STATS_IS_VALID_EXCHG_PARAMS                                                                                 \
    stats_api::Text exchange, stats_api::Text text2, stats_api::Text prefix, stats_api::Text text4, int32_t int5,   \
        int32_t int6, int32_t int7

// The implementing functions (exported under their plain names and their decorated symbols).
int STATS_CALL AddData0(STATS_ADD_DATA_PARAMS);
int STATS_CALL RemoveData0(STATS_ADD_DATA_PARAMS);
int STATS_CALL CheckCallFunc0(STATS_CHECK_CALL_PARAMS);
int STATS_CALL StatsGetExchgCount0(stats_api::Text text1, stats_api::Text text2, stats_api::Text text3);
int STATS_CALL GetNumberOfSets();
const char* STATS_CALL GetResult0(int32_t* cabrilloFlag);
const char* STATS_CALL GetSetName(int32_t index);
int STATS_CALL StatsIsValidExchg0(STATS_IS_VALID_EXCHG_PARAMS);
int STATS_CALL ResetStats0(STATS_RESET_STATS_PARAMS);
void STATS_CALL SetupSet0();

// Function types under which the host resolves the plain export names.
namespace stats_api {
using AddData0Fn = int(STATS_CALL*)(STATS_ADD_DATA_PARAMS);
using RemoveData0Fn = int(STATS_CALL*)(STATS_ADD_DATA_PARAMS);
using CheckCall0Fn = int(STATS_CALL*)(STATS_CHECK_CALL_PARAMS);
using GetExchgCount0Fn = int(STATS_CALL*)(Text, Text, Text);
using GetNumberOfSetsFn = int(STATS_CALL*)();
using GetResult0Fn = const char*(STATS_CALL*)(int32_t*);
using GetSetNameFn = const char*(STATS_CALL*)(int32_t);
using IsValidExchg0Fn = int(STATS_CALL*)(STATS_IS_VALID_EXCHG_PARAMS);
using ResetStats0Fn = int(STATS_CALL*)(STATS_RESET_STATS_PARAMS);
using SetupSet0Fn = void(STATS_CALL*)();
}  // namespace stats_api
