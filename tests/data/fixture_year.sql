-- The books the report and export tests share, on the bundled masters.
-- 2020 (令和2) has transactions in every month: shared-use trades whose
-- business share is cut to whole yen, a voided and a corrected transaction,
-- a trade code missing from m_trade, accounts used only on the credit side
-- (売上, 雑収入, 事業主借, 車両運搬具), summaries cut at 30 and at 20 bytes in
-- the middle of a double-byte character, a ten-digit amount, and both kinds
-- of insurance premium. 2021 has no insurance premium and no opening
-- balance sheet; 2019 has nothing.

-- The owner's accounts start every year from zero, as income-statement
-- accounts do; 事業主貸 keeps an opening amount that the ledger must ignore.
update m_account set output_class = 'B' where account_cd in ('330', '610');

insert into t_bs_begining
    select 2020, account_cd, account_name, case when account_cd < '400' then 'a' else 'd' end, 0, '2020/01/04 10:00:00'
    from m_account where account_cd < '700';
update t_bs_begining set money = 300000 where year = 2020 and account_cd = '100';
update t_bs_begining set money = 1200000 where year = 2020 and account_cd = '130';
update t_bs_begining set money = 50000 where year = 2020 and account_cd = '330';
update t_bs_begining set money = 1550000 where year = 2020 and account_cd = '340';
update t_bs_begining set money = 80000 where year = 2020 and account_cd = '410';
update t_bs_begining set money = 500000 where year = 2020 and account_cd = '420';
update t_bs_begining set money = 970000 where year = 2020 and account_cd = '620';
update t_bs_begining set money = 1550000 where year = 2020 and account_cd = '640';

insert into t_trade values
    (2020,  1,  6, 1, '01', '01', '店頭売上',                        55000, 100, 1, '2020/01/06 18:00:00'),
    (2020,  1,  6, 2, '50', '01', '電気代',                           3333,  30, 1, '2020/01/06 18:01:00'),
    (2020,  1, 20, 1, '36', '01', '売上金の預け入れ',                50000, 100, 1, '2020/01/20 12:00:00'),
    (2020,  2,  3, 1, '08', '01', '商品仕入',                        24800, 100, 1, '2020/02/03 09:00:00'),
    (2020,  2, 14, 1, '55', '01', '自宅兼事務所の家賃',              85000,  40, 1, '2020/02/14 09:00:00'),
    (2020,  3, 31, 1, '77', '01', '国民年金保険料',                  16540, 100, 1, '2020/03/31 09:00:00'),
    (2020,  4,  1, 1, '02', '01', '掛売上',                         120000, 100, 1, '2020/04/01 09:00:00'),
    (2020,  4,  1, 2, '53', '01', '携帯電話料金',                     7777,  50, 1, '2020/04/01 09:01:00'),
    (2020,  4,  1, 3, '01', '01', '取り消した売上',                   9999, 100, 0, '2020/04/02 09:00:00'),
    (2020,  4, 30, 1, '03', '01', '売掛金の振込入金',               120000, 100, 1, '2020/04/30 09:00:00'),
    (2020,  5, 10, 1, '78', '01', '国民健康保険税',                  28000, 100, 1, '2020/05/10 09:00:00'),
    (2020,  5, 10, 2, '06', '02', '手数料収入',                       3000, 100, 1, '2020/05/10 09:01:00'),
    (2020,  6,  1, 1, 'ZZ', '01', 'マスタにない取引',                  700, 100, 1, '2020/06/01 09:00:00'),
    (2020,  6, 15, 1, '58', '01', 'ガソリン代',                       4321,  60, 1, '2020/06/15 09:00:00'),
    (2020,  7, 15, 1, '82', '01', '一般の生命保険料',                12000, 100, 1, '2020/07/15 09:00:00'),
    (2020,  7, 20, 1, '19', '01', '文房具',                           1980, 100, 1, '2020/07/21 09:00:00'),
    (2020,  8,  8, 1, '16', '01', 'Aチラシ印刷代とポスター印刷代金', 33000, 100, 1, '2020/08/08 09:00:00'),
    (2020,  9,  9, 1, '84', '01', 'a地震保険料の年払い分',           18500, 100, 1, '2020/09/09 09:00:00'),
    (2020, 10,  1, 1, '38', '01', '事業資金の借入',             1234567890, 100, 1, '2020/10/01 09:00:00'),
    (2020, 11, 11, 1, '39', '01', '借入金の元金返済',                50000, 100, 1, '2020/11/11 09:00:00'),
    (2020, 12, 25, 1, '17', '03', 'お歳暮',                           5400, 100, 1, '2020/12/25 09:00:00'),
    (2020, 12, 31, 1, '41', '01', '車両の減価償却費',               180000, 100, 1, '2020/12/31 09:00:00'),
    (2021,  1,  5, 1, '01', '01', '店頭売上',                        10000, 100, 1, '2021/01/05 09:00:00'),
    (2021,  3,  3, 1, '50', '02', '作業場の電気代',                   4501,  50, 1, '2021/03/03 09:00:00');

-- The stationery was first recorded as 1890 yen and corrected the next day.
insert into t_trade_history values
    (2020, 7, 20, 1, 1, '19', '01', '文房具', 1890, 100, 1, '2020/07/20 09:00:00');
