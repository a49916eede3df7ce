// Window tests that check message texts load the English language file
// first, so that language text n is a real text rather than an empty one.
#pragma once

#include <gtest/gtest.h>

#include <QFile>

#include "app/ui/kit/language.h"
#include "app/ui/kit/messages.h"

namespace orvanta {

class EnglishTexts : public ::testing::Environment {
 public:
  void SetUp() override {
    RecordingResponder quiet;
    if (QFile::exists(LanguageFilePath(2))) LoadLanguage(2);
  }
};

inline const auto* const kEnglishTexts = ::testing::AddGlobalTestEnvironment(new EnglishTexts);

}  // namespace orvanta
