-- The books of the correction and deletion history report, on the bundled
-- masters. 2020 holds a transaction corrected twice, one voided, one
-- corrected and then voided, and opening amounts changed after they were
-- first set; next to them stand rows that must not be listed: a transaction
-- never touched, an amount set once, an amount saved again unchanged, the
-- computed total rows and the changes of 2021. 2019 holds only a history
-- copy whose transaction no longer exists.

insert into t_trade values
    (2020,  1,  6, 1, '01', '01', '店頭売上',               55000, 100, 1, '2020/01/06 18:00:00'),
    (2020,  4,  1, 2, '53', '02', '携帯電話料金（仕事用）',  7777,  70, 1, '2020/04/10 15:00:00'),
    (2020,  4,  1, 3, '01', '01', '取り消した売上',          9999, 100, 0, '2020/04/02 09:00:00'),
    (2020,  6, 15, 1, '58', '01', 'ガソリン代',              4500,  60, 0, '2020/07/01 08:00:00'),
    (2021,  1,  5, 1, '01', '01', '店頭売上',               10000, 100, 1, '2021/01/07 09:00:00');

-- The phone bill: first the amount, then detail, summary and percentage.
-- The petrol: corrected once, then voided. The 2021 sale: corrected once.
insert into t_trade_history values
    (2020,  4,  1, 2, 1, '53', '01', '携帯電話料金',          7000,  50, 1, '2020/04/01 09:01:00'),
    (2020,  4,  1, 2, 2, '53', '01', '携帯電話料金',          7777,  50, 1, '2020/04/03 12:00:00'),
    (2020,  6, 15, 1, 1, '58', '01', 'ガソリン代',            4321,  60, 1, '2020/06/15 09:00:00'),
    (2021,  1,  5, 1, 1, '01', '01', '店頭売上',               1000, 100, 1, '2021/01/05 09:00:00'),
    (2019, 12, 28, 1, 1, '19', '01', '文房具',                 1890, 100, 1, '2019/12/28 09:00:00');

insert into t_bs_begining
    select 2020, account_cd, account_name, case when account_cd < '400' then 'a' else 'd' end, 0, '2020/01/04 10:00:00'
    from m_account where account_cd < '700';
update t_bs_begining set money = 280000, dt_update = '2020/02/01 10:00:00' where year = 2020 and account_cd = '100';
update t_bs_begining set money = 50000,  dt_update = '2020/01/05 11:00:00' where year = 2020 and account_cd = '150';
update t_bs_begining set money = 330000, dt_update = '2020/02/01 10:00:00' where year = 2020 and account_cd = '340';
update t_bs_begining set money = 450000, dt_update = '2020/03/02 10:00:00' where year = 2020 and account_cd = '420';
update t_bs_begining set money = 970000, dt_update = '2020/01/06 10:00:00' where year = 2020 and account_cd = '620';

-- Cash: set to 300000, changed to 280000. Borrowings: set to 500000, changed
-- to 450000, then saved again with the same amount. Accounts receivable: set
-- once. Capital: set, then saved again unchanged. The asset total changed
-- too, but it is computed. Cash of 2021 changed as well.
insert into t_bs_begining_history values
    (2020, '100', 1, '現　金',   'a',      0, '2020/01/04 10:00:00'),
    (2020, '100', 2, '現　金',   'a', 300000, '2020/01/05 10:00:00'),
    (2020, '150', 1, '売掛金',   'a',      0, '2020/01/04 10:00:00'),
    (2020, '340', 1, '合　　計', 'a',      0, '2020/01/04 10:00:00'),
    (2020, '340', 2, '合　　計', 'a', 350000, '2020/01/05 11:00:00'),
    (2020, '420', 1, '借入金',   'd',      0, '2020/01/04 10:00:00'),
    (2020, '420', 2, '借入金',   'd', 500000, '2020/01/05 10:05:00'),
    (2020, '420', 3, '借入金',   'd', 450000, '2020/03/01 10:00:00'),
    (2020, '620', 1, '元入金',   'd',      0, '2020/01/04 10:00:00'),
    (2020, '620', 2, '元入金',   'd', 970000, '2020/01/05 10:10:00'),
    (2021, '100', 1, '現　金',   'a', 100000, '2021/01/04 10:00:00');
