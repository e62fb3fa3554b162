// Both ends of the host automation link in one process: the simulated host's object published
// under the host's ProgID, and the plug-in's COM client on a thread of its own that connects,
// calls and drops the link as the plug-in's window thread does.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <future>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "host/win32/com_host_link.h"
#include "tools/host/automation_object.h"

namespace {

// Far above what any call takes: a bound against hanging, not a speed target.
constexpr int64_t kPromptMs = 5000;
constexpr auto kThreadLimit = std::chrono::seconds(60);

// Runs `body` on a new thread, as the window thread would. A hung body ends the whole run: the
// thread could not be joined, and waiting for it would stall every later test.
template <typename Body>
void onWindowThread(Body body) {
    std::promise<void> done;
    auto finished = done.get_future();
    std::thread thread([&] {
        body();
        done.set_value();
    });
    if (finished.wait_for(kThreadLimit) == std::future_status::timeout) {
        std::fprintf(stderr, "a host link call hung; ending the run\n");
        std::fflush(stderr);
        TerminateProcess(GetCurrentProcess(), 3);
    }
    thread.join();
}

template <typename Call>
int64_t elapsedMs(Call call) {
    const int64_t start = tovu::steadyClockMs();
    call();
    return tovu::steadyClockMs() - start;
}

// S_OK when the thread had no COM: the probe's own initialisation is undone at once.
HRESULT probeCom(DWORD model) {
    const HRESULT hr = CoInitializeEx(nullptr, model);
    if (SUCCEEDED(hr)) CoUninitialize();
    return hr;
}

std::string hex(HRESULT hr) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(hr));
    return text;
}

void expectEveryCallFails(host::HostLink& link, const std::string& why) {
    double hertz = 0;
    std::string text;
    EXPECT_LT(elapsedMs([&] { EXPECT_FALSE(link.getFrequency(hertz)) << why; }), kPromptMs) << why;
    EXPECT_LT(elapsedMs([&] { EXPECT_FALSE(link.getEntryText(5, text)) << why; }), kPromptMs) << why;
    EXPECT_LT(elapsedMs([&] { EXPECT_FALSE(link.sendMacro("<SP1>")) << why; }), kPromptMs) << why;
}

void expectEveryCallWorks(host::HostLink& link, const std::string& why) {
    double hertz = 0;
    std::string text;
    EXPECT_TRUE(link.getFrequency(hertz)) << why;
    EXPECT_TRUE(link.getEntryText(5, text)) << why;
    EXPECT_TRUE(link.sendMacro("<SP1>")) << why;
}

class HostLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(automation.start(&error)) << error;
    }

    tovu::AutomationObject automation;
};

TEST_F(HostLinkTest, ReadsWhatTheHostShowsAtEachCall) {
    automation.setFrequency(14070150.0);
    automation.setEntryText("SP5ABC");
    onWindowThread([&] {
        auto link = host::connectHost();
        ASSERT_NE(link, nullptr);
        double hertz = 0;
        std::string text = "stale";
        ASSERT_TRUE(link->getFrequency(hertz));
        EXPECT_EQ(hertz, 14070150.0);
        ASSERT_TRUE(link->getEntryText(5, text));
        EXPECT_EQ(text, "SP5ABC");

        automation.setFrequency(3580250.5);
        automation.setEntryText("DL1XYZ/P");
        ASSERT_TRUE(link->getFrequency(hertz));
        EXPECT_EQ(hertz, 3580250.5);
        ASSERT_TRUE(link->getEntryText(-7, text));
        EXPECT_EQ(text, "DL1XYZ/P");
    });
    EXPECT_EQ(automation.entryFields(), (std::vector<int>{5, -7}));
    EXPECT_EQ(automation.frequencyReads(), 2);
}

TEST_F(HostLinkTest, FrequencyOfAnotherNumericTypeIsCoercedAndANonNumberFails) {
    const struct {
        VARTYPE type;
        bool numeric;
    } cases[] = {{VT_R8, true},  {VT_R4, true},       {VT_I4, true},    {VT_UI4, true},   {VT_I8, true},
                 {VT_CY, true},  {VT_DECIMAL, true},  {VT_BSTR, false}, {VT_EMPTY, false}, {VT_BOOL, false}};
    automation.setFrequency(7040000.0);
    onWindowThread([&] {
        auto link = host::connectHost();
        ASSERT_NE(link, nullptr);
        for (const auto& c : cases) {
            automation.setFrequencyType(c.type);
            double hertz = -1;
            EXPECT_EQ(link->getFrequency(hertz), c.numeric) << "type " << c.type;
            if (c.numeric) {
                EXPECT_EQ(hertz, 7040000.0) << "type " << c.type;
            }
        }
    });
}

// The link's thread decides the code page, both ways: a window thread with another locale than
// the process must still see the host's text as typed.
TEST_F(HostLinkTest, TextsUseTheCodePageOfTheLinksThread) {
    const struct {
        LCID locale;
        std::wstring wide;
        std::string ansi;
    } cases[] = {{MAKELCID(0x0409, SORT_DEFAULT), L"F/\u00C9\u00FC", "F/\xC9\xFC"},
                 {MAKELCID(0x0415, SORT_DEFAULT), L"SP\u0141\u00D3D\u0179", "SP\xA3\xD3" "D\x8F"},
                 {MAKELCID(0x0419, SORT_DEFAULT), L"\u0416\u0423\u041A", "\xC6\xD3\xCA"}};
    for (const auto& c : cases) {
        automation.clearRecords();
        automation.setEntryText(c.wide);
        onWindowThread([&] {
            ASSERT_TRUE(SetThreadLocale(c.locale));
            auto link = host::connectHost();
            ASSERT_NE(link, nullptr);
            std::string text;
            ASSERT_TRUE(link->getEntryText(5, text));
            EXPECT_EQ(text, c.ansi) << "locale " << c.locale;
            EXPECT_TRUE(link->sendMacro(c.ansi));
        });
        const auto macros = automation.macros();
        ASSERT_EQ(macros.size(), 1u);
        EXPECT_TRUE(macros[0].wide == c.wide) << "locale " << c.locale;
    }
}

TEST_F(HostLinkTest, EmptyMissingOrNonStringEntryGivesEmptyText) {
    const struct {
        tovu::EntryAnswer answer;
        const char* name;
    } cases[] = {{tovu::EntryAnswer::Text, "empty text"},
                 {tovu::EntryAnswer::NullString, "null BSTR"},
                 {tovu::EntryAnswer::NoValue, "VT_EMPTY"},
                 {tovu::EntryAnswer::Number, "VT_I4"}};
    automation.setEntryText(std::wstring());
    onWindowThread([&] {
        auto link = host::connectHost();
        ASSERT_NE(link, nullptr);
        for (const auto& c : cases) {
            automation.setEntryAnswer(c.answer);
            std::string text = "stale";
            EXPECT_TRUE(link->getEntryText(5, text)) << c.name;
            EXPECT_EQ(text, "") << c.name;
        }
    });
}

TEST_F(HostLinkTest, MacrosArriveInOrderWithTheirTextsAndTimes) {
    const std::vector<std::string> sent = {"<MODE:BPSK31>", "<BAUDRATE:63>", "<SP1>", "", std::string(4000, 'x')};
    const int64_t before = tovu::steadyClockMs();
    onWindowThread([&] {
        auto link = host::connectHost();
        ASSERT_NE(link, nullptr);
        for (const auto& text : sent) EXPECT_TRUE(link->sendMacro(text)) << text;
    });
    const int64_t after = tovu::steadyClockMs();
    const auto macros = automation.macros();
    ASSERT_EQ(macros.size(), sent.size());
    int64_t previous = before;
    for (size_t i = 0; i < sent.size(); ++i) {
        EXPECT_EQ(macros[i].text, sent[i]) << i;
        EXPECT_GE(macros[i].atMs, previous) << i;
        EXPECT_LE(macros[i].atMs, after) << i;
        previous = macros[i].atMs;
    }
}

// Whether the object is there or not, the thread's COM ends as it was before the link.
TEST_F(HostLinkTest, LeavesTheThreadsComAsItFoundIt) {
    const struct {
        std::optional<DWORD> ownModel;
        const char* name;
    } models[] = {{std::nullopt, "no COM"},
                  {COINIT_APARTMENTTHREADED, "own STA"},
                  {COINIT_MULTITHREADED, "own MTA"}};
    for (const bool running : {true, false}) {
        if (!running) automation.stop();
        for (const auto& m : models) {
            const std::string why = std::string(m.name) + (running ? ", object running" : ", no object");
            onWindowThread([&] {
                if (m.ownModel) {
                    ASSERT_EQ(CoInitializeEx(nullptr, *m.ownModel), S_OK) << why;
                }
                {
                    std::unique_ptr<host::HostLink> link;
                    EXPECT_LT(elapsedMs([&] { link = host::connectHost(); }), kPromptMs) << why;
                    EXPECT_EQ(link != nullptr, running) << why;
                    if (link) expectEveryCallWorks(*link, why);
                }
                if (m.ownModel) {
                    EXPECT_EQ(probeCom(*m.ownModel), S_FALSE) << why << ": the thread's own COM was ended";
                    CoUninitialize();
                }
                EXPECT_EQ(probeCom(COINIT_APARTMENTTHREADED), S_OK) << why << ": COM left initialised";
            });
        }
    }
}

TEST_F(HostLinkTest, CallsFailPromptlyWhileTheHostFailsAndAfterItStops) {
    onWindowThread([&] {
        auto link = host::connectHost();
        ASSERT_NE(link, nullptr);
        for (const HRESULT failure : {E_FAIL, DISP_E_EXCEPTION, DISP_E_MEMBERNOTFOUND, E_ACCESSDENIED}) {
            automation.failCallsWith(failure);
            expectEveryCallFails(*link, "failing with " + hex(failure));
        }
        automation.failCallsWith(S_OK);
        expectEveryCallWorks(*link, "failing switched off");

        automation.stop();
        expectEveryCallFails(*link, "object stopped");
        ASSERT_TRUE(automation.start());
        expectEveryCallFails(*link, "object restarted, old link");
        auto fresh = host::connectHost();
        ASSERT_NE(fresh, nullptr);
        expectEveryCallWorks(*fresh, "object restarted, new link");
    });
}

TEST_F(HostLinkTest, LinkCanBeMadeUsedAndDroppedRepeatedly) {
    constexpr int kThreads = 8;
    constexpr int kLinksPerThread = 3;
    std::vector<std::string> expected;
    for (int t = 0; t < kThreads; ++t) {
        onWindowThread([&] {
            for (int i = 0; i < kLinksPerThread; ++i) {
                auto link = host::connectHost();
                ASSERT_NE(link, nullptr) << t << "." << i;
                const std::string macro = "<R" + std::to_string(t) + "." + std::to_string(i) + ">";
                double hertz = 0;
                EXPECT_TRUE(link->getFrequency(hertz));
                EXPECT_TRUE(link->sendMacro(macro));
                expected.push_back(macro);
            }
            EXPECT_EQ(probeCom(COINIT_APARTMENTTHREADED), S_OK) << "COM left initialised on thread " << t;
        });
    }
    std::vector<std::string> received;
    for (const auto& m : automation.macros()) received.push_back(m.text);
    EXPECT_EQ(received, expected);
}

// Script clients find the members by name as well.
TEST_F(HostLinkTest, ObjectMapsMemberNamesToTheirIds) {
    const struct {
        const wchar_t* name;
        DISPID id;
    } cases[] = {{L"Frequency", tovu::kDispIdFrequency},
                 {L"getentrytext", tovu::kDispIdEntryText},
                 {L"SENDMACRO", tovu::kDispIdSendMacro},
                 {L"Quit", DISPID_UNKNOWN}};
    onWindowThread([&] {
        ASSERT_EQ(CoInitialize(nullptr), S_OK);
        {
            CLSID classId{};
            ASSERT_EQ(CLSIDFromProgID(tovu::kAutomationProgId, &classId), S_OK);
            EXPECT_TRUE(IsEqualCLSID(classId, tovu::kAutomationClassId));
            Microsoft::WRL::ComPtr<IUnknown> running;
            ASSERT_EQ(GetActiveObject(classId, nullptr, running.GetAddressOf()), S_OK);
            Microsoft::WRL::ComPtr<IDispatch> dispatch;
            ASSERT_EQ(running.As(&dispatch), S_OK);
            for (const auto& c : cases) {
                LPOLESTR name = const_cast<LPOLESTR>(c.name);
                DISPID id = 12345;
                const HRESULT hr = dispatch->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id);
                EXPECT_EQ(hr, c.id == DISPID_UNKNOWN ? DISP_E_UNKNOWNNAME : S_OK) << hex(hr);
                EXPECT_EQ(id, c.id);
            }
        }
        CoUninitialize();
    });
}

}  // namespace
