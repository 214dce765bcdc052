// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts of the download tool, by their string-table numbers (UTF-8).

enum FwStringId : int {
    IDS_FW_TEXT_BAD_HW_REPORT = 109,        // "Die Software paßt nicht zur angeschlossenen Hardware."
    IDS_FW_CAPTION_BAD_HW = 110,            // "Falsche Software"
    IDS_FW_TEXT_INIT_DEFECT = 105,          // "Bitte Prozedur am Telefon erneut starten\n(Init-String defekt)."
    IDS_FW_CAPTION_PROTOCOL = 106,          // "Protokollfehler"
    IDS_FW_TEXT_TIMEOUT = 107,
    IDS_FW_CAPTION_TIMEOUT = 108,
    IDS_FW_TEXT_SAME_VERSION = 111,
    IDS_FW_CAPTION_VERSION = 112,
    IDS_FW_TEXT_OLDER_VERSION = 113,
    IDS_FW_TEXT_SUCCESS = 114,
    IDS_FW_CAPTION_SUCCESS = 115,
    IDS_FW_CAPTION_CHECKSUM = 116,
    IDS_FW_TEXT_CHECKSUM = 117,
    IDS_FW_TEXT_TOO_MANY_NAKS = 118,
    IDS_FW_CAPTION_TOO_MANY_NAKS = 119,
    IDS_FW_TEXT_CONNECT = 103,              // "Bitte Telefon an folgenden Port anschließen: "
    IDS_FW_CAPTION_ATTENTION = 104,         // "Achtung"
    IDS_FW_TEXT_START_KEYS = 32772,         // key sequence and duration (normal telephones)
    IDS_FW_TEXT_STARTED = 32773,            // "Gestartet !"
    IDS_FW_TEXT_START = 32774,              // "START"
    IDS_FW_TEXT_BAD_PORT = 32775,
    IDS_FW_CAPTION_BAD_PORT = 32776,
    IDS_FW_TEXT_OPEN_FAILED = 61204,        // also the caption of the file errors
    IDS_FW_TEXT_VERSION_FILE = 61205,
    IDS_FW_CAPTION_INCOMPLETE = 61206,
    IDS_FW_TEXT_INCOMPLETE = 61207,
    IDS_FW_CAPTION_SAFE_RECOVERY = 61208,
    IDS_FW_TEXT_SAFE_RECOVERY = 61209,
    IDS_FW_TEXT_SAFE_RECOVERY_END = 61210,
    IDS_FW_TEXT_START_KEYS_Q38 = 61211,     // key sequence and duration ("Hardware"/"Q38 " set)
    IDS_FW_TEXT_UNKNOWN = 61212,            // "Unbekannt"
    // Texts of our own for files the tool refuses to protect the telephone.
    IDS_FW_TEXT_LINE_TOO_LONG = 61220,
    IDS_FW_TEXT_VERSION_FILE_BAD = 61221,
    IDS_FW_TEXT_BAD_RECORD = 61222,
    // What an interrupted or declined start leaves behind.
    IDS_FW_CAPTION_CANCELLED = 61223,
    IDS_FW_TEXT_CANCELLED = 61224,
    IDS_FW_TEXT_CANCELLED_WINDOW = 61225,
    IDS_FW_TEXT_CANCELLED_CLI = 61226,
    IDS_FW_TEXT_CANCELLED_EARLY = 61227,
    IDS_FW_CAPTION_NOT_STARTED = 61228,
    IDS_FW_TEXT_NOT_STARTED = 61229,
    IDS_FW_TEXT_BAD_SWITCH_END = 61230,
    IDS_FW_TEXT_MORE_HELP = 61231,
};

// The text of an id; the empty text for an unknown one.
const char* FwString(int id);
