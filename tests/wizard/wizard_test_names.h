#pragma once
// The component names of the wizard's controls that the tests look for.

#include <QString>
#include <QStringList>
#include <initializer_list>

namespace vistrel::wizard_test {

inline QStringList strings(std::initializer_list<const char*> texts) {
    QStringList list;
    for (const char* text : texts) {
        list << QString::fromLatin1(text);
    }
    return list;
}

// The component names the language file keys the wizard's captions with.
inline const QStringList kKeyedLabels = strings(
    {"TntLabel_T1_Title",    "TntLabel_T1_1",        "TntLabel_T1_2",       "TntLabel_T2_1",
     "TntLabel_T2_2",        "TntLabel_T2_IP",       "TntLabel_T2_Subnet",  "TntLabel_T2_Gateway",
     "TntLabel_T2_DNS",      "TntLabel_T3_Title",    "TntLabel_T3_IP",      "TntLabel_T3_Subnet",
     "TntLabel_T3_Gateway",  "TntLabel_T3_DNS",      "TntLabel_T3_1",       "TntLabel_T3_2",
     "TntLabel_T3_3",        "TntLabel_T3_4",        "TntLabel_T4_Title",   "TntLabel_T4_IP",
     "TntLabel_T4_Subnet",   "TntLabel_T4_Gateway",  "TntLabel_T4_DNS",     "TntLabel_T4_1",
     "TntLabel_T4_2",        "TntLabel_T4_3",        "TntLabel_T5_Name",    "TntLabel_T5_Pwd",
     "TntLabel_T5_Confirm",  "TntLabel_T6_Title",    "TntLabel_T6_SSID",    "TntLabel_T6_Pwd",
     "TntLabel_T7_Header1",  "TntLabel_T7_Header2",  "TntLabel_T7_Header3", "TntLabel_T7_1",
     "TntLabel_T7_2",        "TntLabel_T7_3",        "TntLabel_T8_1",       "TntLabel_T8_2",
     "TntLabel_T8_3",        "TntLabel_T9_1",        "TntLabel_T9_2",       "TntLabel_T9_IP",
     "TntLabel_T9_Subnet",   "TntLabel_T9_Gateway",  "TntLabel_T9_DNS",     "TntLabel_T9_3",
     "TntLabel_T9_4",        "TntLabel_T10_IP",      "TntLabel_T10_Subnet", "TntLabel_T10_Gateway",
     "TntLabel_T10_DNS",     "TntLabel_T10_1",       "TntLabel_T10_2",      "TntLabel_T11_Header1",
     "TntLabel_T11_Header2", "TntLabel_T11_Header3", "TntLabel_T11_1",      "TntLabel_T11_2",
     "TntLabel_T12_1",       "TntLabel_T12_2",       "TntLabel_T12_IP",     "TntLabel_T12_Subnet",
     "TntLabel_T12_Gateway", "TntLabel_T12_DNS",     "TntLabel_T12_Name",   "TntLabel_T12_Pwd",
     "TntLabel_T12_Confirm"});

inline const QStringList kKeyedButtons = strings(
    {"TntButton_T2_Cancel",  "TntButton_T2_OK",      "TntButton_T2_Ad",      "TntButton_T3_Next",
     "TntButton_T4_Yes",     "TntButton_T4_No",      "TntButton_T5_OK",      "TntButton_T6_OK",
     "TntButton_T6_Refresh", "TntButton_T7_Next",    "TntButton_T7_Cancel",  "TntButton_T8_OK",
     "TntButton_T9_Next",    "TntButton_T10_Retry",  "TntButton_T10_Cancel", "TntButton_T11_Start",
     "TntButton_T11_Cancel", "TntButton_T12_Cancel", "TntButton_T12_OK",     "TntButton_T12_Ad",
     "TntButton_T12_OK2",    "TntButton_T12_Cancel2"});

inline const QStringList kAddressKeys = strings({"IP", "Subnet", "Gateway", "DNS"});

inline QStringList addressNames(const char* pattern) {
    QStringList names;
    for (const QString& key : kAddressKeys) {
        names << QString::fromLatin1(pattern).arg(key);
    }
    return names;
}

} // namespace vistrel::wizard_test
