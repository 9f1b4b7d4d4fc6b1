-- The opening balance sheet 2021 must hold after the carry forward, from the
-- books of 2020 alone: each row of the 2020 sheet moved by the year's journal
-- (assets grow on the debit side, liabilities and capital on the credit
-- side); the owner's rows (330, 610) and the income (630) start again from 0;
-- the capital (620) becomes 元入金 + 事業主借 + 所得 − 事業主貸, where 所得 is
-- the year's revenue less its costs; the totals (340, 640) sum each side.
with j as (
    select m.debit_cd d, m.credit_cd c, t.money * t.rate / 100 amount
    from t_trade t join m_trade m on t.trade_cd = m.trade_cd
    where t.year = 2020 and t.is_valid = 1),
closing as (
    select account_cd cd, account_name name, asset_or_debit side,
           money + (case asset_or_debit when 'a' then 1 else -1 end) *
                   (ifnull((select sum(amount) from j where d = account_cd), 0) -
                    ifnull((select sum(amount) from j where c = account_cd), 0)) money
    from t_bs_begining
    where year = 2020 and account_cd not in ('340', '640')),
income as (
    select sum(case when a.account_cd = j.c then amount else -amount end) money
    from j join m_account a on a.account_cd in (j.d, j.c)
    where a.account_class in ('r', 'c')),
carried as (
    select cd, name, side,
           case when cd in ('330', '610', '630') then 0
                when cd = '620' then (select money from income) +
                    (select sum(case cd when '330' then -money else money end) from closing
                     where cd in ('330', '610', '620', '630'))
                else money end money
    from closing)
select 2021, cd, name, side, money, '2026/12/05 09:30:05' from (
    select * from carried
    union all select '340', '合　　計', 'a', sum(money) from carried where side = 'a'
    union all select '640', '合　計', 'd', sum(money) from carried where side = 'd')
order by cd;
