#include "engine/pipeline/basic_translation_options.h"

BasicTranslationOptions::BasicTranslationOptions()
    : fSpeed(50),
      fUserDictPreferred(false),
      fPOSPreferred(false),
      fTheOption(false),
      fDialog(false),
      fSentenceFlag1(false),
      fSentenceFlag2(false),
      fStyle(1),
      fAuxiliaryVerbWords{},
      fDocument(1),
      fProper(1),
      fStrength(1),
      fThey(0),
      fNumeric(2),
      fYou(0),
      fSentenceFlag3(false),
      fAuxiliaryVerbFlags{} {
    fAuxiliaryVerbFlags[kDefaultAuxiliaryVerbFlag] = 1;
}
