#pragma once
// The GoogleTest fixture of a plug-in test program: one session for the whole
// program (the library is loaded and its window embedded once, as in the
// host). A build for the real hosts has no site to script: its cases are skipped.
//   class Nimbra : public harness::PluginTest<Nimbra> {
//   public:
//       static constexpr const wchar_t* kLibrary = L"Nimbra.dll";
//       static constexpr const wchar_t* kEndStatus = L"...";
//   };
#include <gtest/gtest.h>

#include "tests/plugins/harness/plugin_session.h"

namespace harness {

template <class Plugin>
class PluginTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { session = new PluginSession(Plugin::kLibrary); }
    static void TearDownTestSuite() {
        delete session;
        session = nullptr;
    }
    void SetUp() override {
        ASSERT_NE(session->window, nullptr) << "the library did not give its window";
        if (sitePort() == 0) GTEST_SKIP() << "this build talks to the real hosts";
        ASSERT_TRUE(session->site.listening()) << "port " << sitePort() << " is taken (a demo site running?)";
    }

    // A whole search: keyword, Enter, the answers, until the end status text.
    SearchOutcome search(const std::wstring& keyword, std::vector<Answer> answers, loopback::Handler handler) {
        return session->search(keyword, std::move(answers), std::move(handler), Plugin::kEndStatus);
    }
    PluginWindow& ui() { return *session->ui; }

    static inline PluginSession* session = nullptr;
};

}  // namespace harness
