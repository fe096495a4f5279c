#pragma once
// Names the program shows and stores under.
inline constexpr const char* kAppTitle = "Melvex400 Orvane 1.0";
inline constexpr const char* kSettingsCompany = "Local AppWizard-Generated Applications";
