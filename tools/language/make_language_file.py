#!/usr/bin/env python3
"""Writes data/Language.ini, the finder's texts in its 23 languages.

Run from the repository root after changing anything here:

    python3 tools/language/make_language_file.py

The English texts below are the master copy. Until translations arrive, every other language
section is written with the same texts, so all 23 sections always hold the same keys; a
translated section will replace its copy here. The file is UTF-8 with a byte-order mark.
"""

import pathlib

OUTPUT = pathlib.Path(__file__).resolve().parents[2] / "data" / "Language.ini"

# Section names in selector order (position 0 … 22) with the selector's name of the language.
LANGUAGES = [
    ("English", "English"),
    ("TraditionalChinese", "繁體中文"),
    ("SimplifiedChinese", "简体中文"),
    ("German", "Deutsch"),
    ("French", "Français"),
    ("Dutch", "Nederlands"),
    ("Italian", "Italiano"),
    ("Spanish", "Español"),
    ("Portuguese", "Português"),
    ("Polish", "Polski"),
    ("Hungarian", "Magyar"),
    ("Czech", "čeština"),
    ("Arabic", "العربية"),
    ("Russian", "Russian"),
    ("Romanian", "Română"),
    ("Ukrainian", "Ukrainian"),
    ("Slovak", "Slovenčina"),
    ("Turkish", "Türkçe"),
    ("Vietnamese", "Việt Nam"),
    ("Indonesian", "Indonesia"),
    ("Thai", "Thai"),
    ("Danish", "Danish"),
    ("Swedish", "Swedish"),
]

# The hidden language list has 21 entries: the first 21 languages.
HIDDEN_LIST_ENTRIES = 21

ADDRESS_CAPTIONS = [
    ("IP", "IP Address"),
    ("Subnet", "Subnet Mask"),
    ("Gateway", "Gateway"),
    ("DNS", "DNS"),
]


def address_captions(page):
    return [(f"TntLabel_T{page}_{name}", text) for name, text in ADDRESS_CAPTIONS]


# Captions of the wizard's labels, page by page.
WIZARD_LABELS = [
    ("TntLabel_T1_Title", "DHCP address obtained"),
    ("TntLabel_T1_1", "Testing cloud connection"),
    ("TntLabel_T1_2", "and detect network camera type."),
    ("TntLabel_T2_1", "DHCP"),
    ("TntLabel_T2_2", "Static IP"),
    *address_captions(2),
    ("TntLabel_T3_Title", "Connection test passed"),
    *address_captions(3),
    ("TntLabel_T3_1", "Your camera is connected to the cloud."),
    ("TntLabel_T3_2", "This is a wire network camera."),
    ("TntLabel_T3_3", "Click Next to set the name and password"),
    ("TntLabel_T3_4", "of your network camera."),
    ("TntLabel_T4_Title", "Connection test passed"),
    *address_captions(4),
    ("TntLabel_T4_1", "Your camera is connected to the cloud."),
    ("TntLabel_T4_2", "This is a wireless network camera."),
    ("TntLabel_T4_3", "Do you want to set up a wireless connection?"),
    ("TntLabel_T5_Name", "Camera Name"),
    ("TntLabel_T5_Pwd", "Password"),
    ("TntLabel_T5_Confirm", "Confirm"),
    ("TntLabel_T6_Title", "Wireless network setup"),
    ("TntLabel_T6_SSID", "SSID :"),
    ("TntLabel_T6_Pwd", "Password :"),
    ("TntLabel_T7_Header1", "Unplug the Ethernet cable from the camera,"),
    ("TntLabel_T7_Header2", "click “Next” and wait 90 seconds for"),
    ("TntLabel_T7_Header3", "the wireless connection to be detected."),
    ("TntLabel_T7_1", "Connection detected"),
    ("TntLabel_T7_2", "Your camera is connected to the wireless network."),
    ("TntLabel_T7_3", "Click Next to set its name and password."),
    ("TntLabel_T8_1", "No wireless connection was detected."),
    ("TntLabel_T8_2", "Plug the Ethernet cable back into the camera"),
    ("TntLabel_T8_3", "and configure the wireless connection again."),
    ("TntLabel_T9_1", "DHCP"),
    ("TntLabel_T9_2", "Static IP"),
    *address_captions(9),
    ("TntLabel_T9_3", "Click Next to test the cloud connection"),
    ("TntLabel_T9_4", "and detect the network camera type."),
    *address_captions(10),
    ("TntLabel_T10_1", "Cloud connection failed."),
    ("TntLabel_T10_2", "Retry?"),
    ("TntLabel_T11_Header1", "To set up WPS, click “Start”, then press"),
    ("TntLabel_T11_Header2", "the WPS button on your router or access point"),
    ("TntLabel_T11_Header3", "within 120 seconds."),
    ("TntLabel_T11_1", "Connection established."),
    ("TntLabel_T11_2", "Click Next to continue."),
    ("TntLabel_T12_1", "DHCP"),
    ("TntLabel_T12_2", "Static IP"),
    *address_captions(12),
    ("TntLabel_T12_Name", "Camera Name"),
    ("TntLabel_T12_Pwd", "Password"),
    ("TntLabel_T12_Confirm", "Confirm"),
]

WIZARD_BUTTONS = [
    ("TntButton_T2_Cancel", "Cancel"),
    ("TntButton_T2_OK", "OK"),
    ("TntButton_T2_Ad", "Advanced"),
    ("TntButton_T3_Next", "Next"),
    ("TntButton_T4_Yes", "Yes"),
    ("TntButton_T4_No", "No"),
    ("TntButton_T5_OK", "OK"),
    ("TntButton_T6_OK", "OK"),
    ("TntButton_T6_Refresh", "Refresh"),
    ("TntButton_T7_Next", "Next"),
    ("TntButton_T7_Cancel", "Cancel"),
    ("TntButton_T8_OK", "OK"),
    ("TntButton_T9_Next", "Next"),
    ("TntButton_T10_Retry", "Retry"),
    ("TntButton_T10_Cancel", "Cancel"),
    ("TntButton_T11_Start", "Start"),
    ("TntButton_T11_Cancel", "Cancel"),
    ("TntButton_T12_Cancel", "Cancel"),
    ("TntButton_T12_OK", "OK"),
    ("TntButton_T12_Ad", "Advanced"),
    ("TntButton_T12_OK2", "OK"),
    ("TntButton_T12_Cancel2", "Cancel"),
]

WIZARD_LISTS = [
    ("TntListView_T6.Columns[0]", "SSID"),
    ("TntListView_T6.Columns[1]", "Signal"),
    ("TntListView_T6.Columns[2]", "Encryption"),
    ("TntListView_T6.Columns[3]", "Channel"),
    ("TntPageControl_T12.Pages[0]", "LAN"),
    ("TntPageControl_T12.Pages[1]", "Name and Password"),
]

# Texts the wizard puts into its controls while it runs.
WIZARD_STATES = [
    ("TntLabel_T7_1_OK", "Connection detected"),
    ("TntLabel_T7_1_NOOK", "No connection detected"),
    ("TntLabel_T11_1_OK", "Connection established."),
    ("TntLabel_T11_1_NOOK", "WPS connection failed."),
    ("Wait", "Wait..."),
]

OTHER_WINDOWS = [
    ("Label_Login_Name", "Camera Name"),
    ("Label_Login_Password", "Password"),
    ("Button_Login_OK", "OK"),
    ("Button_Login_Cancel", "Cancel"),
    ("Button_Message_Box_OK", "OK"),
    ("Button_Message_Dialog_OK", "OK"),
    ("Button_Message_Dialog_Cancel", "Cancel"),
    ("Search", "Searching..."),
]

# The main window: hints, the field labels of each camera card (drawn as "<label> : <value>")
# and the tray menu's item.
MAIN_WINDOW = [
    ("Image_Search_Camera_Hint", "Search for cameras"),
    ("Image_Browser_Hint", "Open the camera's web page"),
    ("Image_Config_Hint", "Set up the selected camera"),
    ("MainListColumns1", "Name"),
    ("MainListColumns2", "Model"),
    ("MainListColumns3", "IP"),
    ("MainListColumns4", "MAC"),
    ("Main_TntPopupMenu_MenuItem0", "Close"),
]


def address_messages(key, what):
    return [
        (f"{key}_Range_Err_Message",
         f"The {what} is not valid. Each of its four numbers must be 0 to 255, "
         "the first one 1 to 255."),
        (f"{key}_Complete_Err_Message", f"Please fill in all four numbers of the {what}."),
    ]


# Messages. Pairs ending in 1 and 2 are joined by a blank line (Cancel_Login,
# Connect_Camera_Failed) or a line break (Setup_Is_Complete, followed by the camera's address).
MESSAGES = [
    *address_messages("IP", "IP address"),
    ("Netmask_Range_Err_Message",
     "The subnet mask is not valid, or the gateway is not in the camera's subnet."),
    ("Netmask_Complete_Err_Message", "Please fill in all four numbers of the subnet mask."),
    *address_messages("Gateway", "gateway address"),
    *address_messages("Dns", "DNS server address"),
    ("WebPort_Range_Err_Message", "The web port must be a number from 1 to 65535."),
    ("WebPort_Complete_Err_Message", "Please enter the web port."),
    ("Key_Length_Err_Message",
     "The wireless key has the wrong length. A WEP key has 5, 10, 13 or 26 characters, "
     "a WPA key 8 to 64."),
    ("CameraName_Cant_Be_Empty", "Please enter a camera name."),
    ("CameraName_Too_Long", "The camera name is too long for this camera. Please enter a shorter name."),
    ("Password_Doesnot_Match", "The two passwords do not match. Please enter them again."),
    ("Password_Must_Four_Characters", "The password must have at least 4 characters."),
    ("Password_Too_Long",
     "The password is too long for this camera. Please enter a shorter password."),
    ("Current_Password_Too_Long",
     "The camera's current password cannot be sent back to it with the new settings. "
     "Please enter a new password."),
    ("Paswword_Err_Message", "The character & cannot be used here."),
    ("Please_Select_A_Camera", "Please select a camera first."),
    ("Open_Browser_Fail", "The web browser could not be opened."),
    ("Cancel_Login1", "Login cancelled."),
    ("Cancel_Login2", "Double-click the camera to log in again."),
    ("Input_Password_Err", "The password is incorrect."),
    ("Camera_Settings_Not_Received",
     "The camera has not sent its settings yet. Please select it again and try once more."),
    ("Connect_Camera_Failed1", "Cannot connect to the camera."),
    ("Connect_Camera_Failed2", "Please check that it is switched on and connected to the network."),
    ("DHCP_Failed",
     "The camera did not get an address from a DHCP server. Please enter its network "
     "settings."),
    ("Please_Select_A_SSID", "Please select a wireless network."),
    ("Cancel_Network_Setup", "The network setup has been cancelled."),
    ("Cancel_WPS_Connect", "The WPS connection has been cancelled."),
    ("Want_To_Leave", "Do you want to leave the setup?"),
    ("Setup_Is_Complete1", "The setup is complete."),
    ("Setup_Is_Complete2", "Your camera can be reached at this address:"),
]

ENGLISH = [
    ("Wizard labels", WIZARD_LABELS),
    ("Wizard buttons", WIZARD_BUTTONS),
    ("Wizard list columns and tabs", WIZARD_LISTS),
    ("Wizard state texts", WIZARD_STATES),
    ("Login dialog, message windows, waiting window", OTHER_WINDOWS),
    ("Main window", MAIN_WINDOW),
    ("Messages", MESSAGES),
]

HEADER = """\
; Texts of Vistrel Finder, one section per language. Written by
; tools/language/make_language_file.py; change the texts there, not here.
; Until translations arrive, every language section holds the English texts.
"""


def check_texts():
    keys = [key.lower() for _, group in ENGLISH for key, _ in group]
    duplicates = sorted({key for key in keys if keys.count(key) > 1})
    if duplicates:
        raise SystemExit(f"duplicate keys: {', '.join(duplicates)}")
    for _, group in ENGLISH:
        for key, text in group:
            if not text or len(text.encode("utf-16-le")) // 2 > 511 or "\n" in text:
                raise SystemExit(f"text of {key} must be one line of 1 to 511 characters")


def language_list():
    lines = ["[Language_List]"]
    lines += [f"Section{n}={section}" for n, (section, _) in enumerate(LANGUAGES, 1)]
    lines += [f"{n}={name}" for n, (_, name) in enumerate(LANGUAGES[:HIDDEN_LIST_ENTRIES], 1)]
    return lines


def language_section(section):
    lines = [f"[{section}]"]
    for title, group in ENGLISH:
        lines.append(f"; {title}")
        lines += [f"{key}={text}" for key, text in group]
    return lines


def main():
    check_texts()
    blocks = [language_list()] + [language_section(section) for section, _ in LANGUAGES]
    text = HEADER + "\n" + "\n\n".join("\n".join(block) for block in blocks) + "\n"
    OUTPUT.write_bytes(b"\xef\xbb\xbf" + text.encode("utf-8"))
    print(f"wrote {OUTPUT}")


if __name__ == "__main__":
    main()
