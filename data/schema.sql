-- The ten tables of the bookkeeping database.
--
-- The program inserts into the t_ tables without naming columns, so their
-- column order is part of the contract. It writes money, rate and is_valid
-- as quoted digit strings ('12000'); the INTEGER declarations give those
-- columns integer affinity, so the strings are stored as integers and
-- compare, sort and sum as numbers. Codes are TEXT so that '01' keeps its
-- leading zero.
--
-- Besides the keys below, one index serves the search by trade and by
-- account and one the year's sums. Tables and indexes added later
-- (t_bs_carry, the four import tables at the end, the two indexes) are
-- created at start-up in books made before them, with the same columns.

create table t_trade (
    year        integer not null,
    month       integer not null,
    day         integer not null,
    seq         integer not null,
    trade_cd    text,
    detail_cd   text,
    detail_name text,
    money       integer,
    rate        integer,
    is_valid    integer,
    dt_update   text,
    primary key (year, month, day, seq)
);

create index t_trade_trade_cd on t_trade (trade_cd, year);

-- The year's sums (the trial balance, the general ledger's accounts, the
-- social insurance total) are read from this index alone.
create index t_trade_year_sums on t_trade (year, is_valid, trade_cd, month, day, money, rate);

create table t_trade_history (
    year        integer not null,
    month       integer not null,
    day         integer not null,
    seq         integer not null,
    ver_idx     integer not null,
    trade_cd    text,
    detail_cd   text,
    detail_name text,
    money       integer,
    rate        integer,
    is_valid    integer,
    dt_update   text,
    primary key (year, month, day, seq, ver_idx)
);

create table t_bs_begining (
    year           integer not null,
    account_cd     text    not null,
    account_name   text,
    asset_or_debit text,
    money          integer,
    dt_update      text,
    primary key (year, account_cd)
);

create table t_bs_begining_history (
    year           integer not null,
    account_cd     text    not null,
    ver_idx        integer not null,
    account_name   text,
    asset_or_debit text,
    money          integer,
    dt_update      text,
    primary key (year, account_cd, ver_idx)
);

-- Every carry of a year's closing balances into the next year's opening
-- sheet: when, from which year, and a digest of the balances carried, by
-- which the opening balance screen notices that the year carried from has
-- changed since. A row without from_year and digest records that the
-- carried sheet was created anew (初期データ作成), so no longer carried.
create table t_bs_carry (
    year           integer not null,
    carry_idx      integer not null,
    from_year      integer,
    carried_digest text    not null,
    dt_update      text    not null,
    primary key (year, carry_idx)
);

-- The masters are edited by hand with a general database tool. The checks
-- and references guard those edits (tools that enforce foreign keys refuse a
-- trade whose account does not exist); the program itself never writes here.

-- account_class: 'a' asset and 'c' cost grow on the debit side;
-- 'd' liability/capital and 'r' revenue grow on the credit side.
-- output_class: 'B' income-statement account (the ledger starts it at 0),
-- 'A' balance-sheet account (the ledger starts it at its opening balance).
create table m_account (
    account_cd    text not null primary key check (length(account_cd) = 3),
    account_name  text not null,
    account_class text not null,
    output_class  text not null
);

-- trade_class_cd: 'B' business, 'D' shared business/private (takes a
-- business percentage), 'P' private. insurance_class: 'S' social insurance,
-- 'O' other insurance, '' not a premium.
create table m_trade (
    trade_cd        text    not null primary key check (length(trade_cd) = 2),
    trade_name      text    not null,
    trade_class_cd  text    not null check (trade_class_cd in ('B', 'D', 'P')),
    debit_cd        text    not null references m_account (account_cd),
    debit_name      text    not null,
    credit_cd       text    not null references m_account (account_cd),
    credit_name     text    not null,
    group_cd        integer not null,
    order_cd        integer not null,
    insurance_class text    not null default ''
);

create table m_trade_detail (
    trade_cd    text    not null references m_trade (trade_cd),
    detail_cd   text    not null check (length(detail_cd) = 2),
    detail_name text    not null,
    rate        integer not null,
    is_valid    integer not null default 1,
    primary key (trade_cd, detail_cd)
);

create table m_percent (
    value_num integer not null primary key
);

create table m_money (
    value_num integer not null primary key
);

-- Statement imports. The saved column layouts by name, the one used last
-- first (columns from 1, 0 for none); the rules choosing a trade for a
-- statement's text, each for withdrawals ('out') or deposits ('in'); each
-- import with its counts; the transactions each import recorded.
create table t_import_layout (
    layout_name     text not null primary key,
    header_lines    integer,
    date_col        integer,
    text_col        integer,
    amount_col      integer,
    out_col         integer,
    in_col          integer,
    positive_is_out integer,
    dt_update       text
);

create table t_import_rule (
    rule_id       integer primary key,
    direction     text not null,
    contains_text text not null,
    trade_cd      text,
    detail_cd     text,
    rate          integer,
    dt_update     text
);

create table t_import (
    import_id      integer primary key,
    file_name      text,
    dt_import      text,
    lines_read     integer,
    lines_recorded integer,
    lines_left_out integer,
    is_voided      integer,
    dt_update      text
);

create table t_import_trade (
    import_id integer not null,
    year      integer not null,
    month     integer not null,
    day       integer not null,
    seq       integer not null,
    primary key (import_id, year, month, day, seq)
);
