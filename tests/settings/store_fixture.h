#pragma once
// A settings file in a private folder, written and read back as plain text.
#include <gtest/gtest.h>

#include <string>

#include "settings/encrypted_file.h"
#include "settings/read_setting.h"
#include "settings/settings_store.h"
#include "tests/support/test_support.h"

class StoreFile : public ::testing::Test {
protected:
    // Puts `text` into the settings file, enciphered as the store keeps it.
    void givenText(std::string_view text) {
        auto file = settings::EncryptedFile::create(path(), settings::settingsPassword, 8);
        file->write(text);
        ASSERT_TRUE(file->commit());
    }

    // The file's text as the store sees it; "<unreadable>" when it does not open.
    std::string storedText() const {
        auto file = settings::EncryptedFile::open(path(), settings::settingsPassword, 8);
        return file ? file->text() : "<unreadable>";
    }

    settings::SettingsStore& openStore() {
        EXPECT_TRUE(store.open(path(), settings::settingsPassword));
        return store;
    }

    std::wstring path() const { return dir.file(L"Main"); }

    testing_support::TempDir dir;
    settings::SettingsStore store;
};
