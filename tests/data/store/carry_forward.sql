-- The 2020 sheet carried into 2021: every account below 700 at 0, but 260,
-- named by the user, at 5000, and 100, renamed on the sheet, at 7000. Where
-- the master names an account, its name wins in the trial balance's
-- accounts; where it leaves one unnamed, the sheet's name shows.
insert into t_bs_begining select 2020, account_cd, account_name, case when account_cd < '400' then 'a' else 'd' end,
    0, '2021/01/04 10:00:00' from m_account where account_cd < '700';
update t_bs_begining set account_name = 'ソフトウェア', money = 5000 where account_cd = '260';
update t_bs_begining set account_name = '現金(手元)', money = 7000 where account_cd = '100';
