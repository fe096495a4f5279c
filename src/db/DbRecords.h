#pragma once
// In-memory records of the receiver's tables: plain fixed-layout structures copied
// by value. Integer widths follow the receiver's own record layout; every text is a
// fixed, NUL-terminated array.
#include <cstdint>

struct SatRecord {
    int32_t sat_id;
    char name[16];
    int32_t posi_index;
    int32_t posi_index_org;
    int32_t sat_seq;
    int32_t position; // tenths of a degree, east positive, west negative
    int32_t position_org;
    int32_t added;
};

struct NitRecord {
    int32_t nit_id;
    int32_t sat_id;
    int32_t symbol_rate;
    int32_t frequency; // kHz
    int32_t fec;
    int32_t pol; // 0 vertical, nonzero horizontal
    int32_t drift;
    int32_t ts_id;
    int32_t network_id;
    int32_t package_id;
};

struct LnbRecord {
    uint8_t tuner_id;
    uint8_t connection; // 0 separated, 1 loop through
    uint16_t sat_id;
    uint16_t local_freq1; // MHz
    uint16_t local_freq2; // MHz
    uint8_t lnb_type;     // 0 C band, 1 Ku band, 2 universal
    uint8_t motor_mode;
    uint8_t diseqc10_port;
    uint8_t diseqc11_port;
    uint8_t tone_22k;
    uint16_t nit_id;
    uint8_t present; // not stored: 1 when the slot holds a row
};

struct ChannelRecord {
    int32_t ch_id;
    int32_t ch_seq;
    int32_t nit_id; // note: before name here, after it in the table
    char name[16];
    int32_t pg_id;
    int32_t sat_id;
    int32_t cas_type;
    int32_t media_mode;
    int32_t video_pid;
    int32_t audio_pid;
    int32_t pcr_pid;
    int32_t pmt_pid;
    int32_t pch_id;
    int16_t tuner_id;
    int16_t audio_mode;
    int32_t lock;
    int32_t hide;
    int32_t day;
    int32_t ch_order;
    int32_t sdt_id;
};

struct ProviderRecord {
    int32_t sdt_id;
    char provider_name[32];
};

struct FavGroupRecord {
    uint16_t favgrp_id;
    char name[16];
    uint8_t favgrp_seq;
};

struct FavEntryRecord {
    int32_t favgrp_id;
    int32_t favlist_id;
    char name[16];
    int32_t favlist_seq;
    int32_t ch_id;
    int32_t column5;
};

struct OptionRecord {
    uint16_t option_id; // 0 default row, 1 working row
    uint16_t aspect_ratio;
    uint16_t banner_timeout;
    uint16_t opt3;
    uint16_t system_lock;
    uint16_t channel_lock;
    uint16_t maturity_age;
    uint16_t hide_channel;
    char opt8_text[5];
    uint16_t opt9;
    uint16_t opt10;
    uint16_t menu_language;
    uint16_t audio_language;
    uint16_t subtitle;
    int16_t opt14; // the one signed 16-bit field
    uint16_t opt15;
    uint16_t opt16;
    uint16_t subtitle_language;
    int32_t opt18;
    int32_t opt19;
    uint16_t opt20;
    uint16_t timeshift;
    uint16_t opt22;
    uint16_t banner_type;

    bool operator==(const OptionRecord&) const = default;
};
