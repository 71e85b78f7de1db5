#pragma once
// Reads the user's number separators from the system locale into the numeric model's settings.
class QLocale;

namespace rna::app {

struct LocaleNumberSeparators {
    char decimal = '.';
    char thousand = ',';
};

// The locale's decimal separator when it is one ASCII character, else '.'; the group separator when it
// is one ASCII character, a blank for the various space characters, an apostrophe for the typographic
// one, else ',' (or '.' when the decimal separator is already ',').
LocaleNumberSeparators NumberSeparatorsOf(const QLocale& locale);

// Stores the separators of the default locale (the system's unless replaced); called at start-up and whenever
// the system announces a settings change.
void ReadLocaleNumberSettings();

}  // namespace rna::app
