-- Rules of the bundled masters. Each query lists the rows that break the rule
-- in the comment above it; the masters test runs them all and expects no row.
-- phrase_ok(text) is the entry checks' rule for a summary phrase: Shift_JIS
-- without substitution, 1 to 30 bytes, no half-width blank.
-- One rule per paragraph: a query holds no blank line.

-- A trade posts to two different accounts that exist, under their printed names.
select trade_cd from m_trade
where debit_cd = credit_cd
   or not exists (select 1 from m_account
                  where account_cd = debit_cd and account_name = debit_name and debit_name <> '')
   or not exists (select 1 from m_account
                  where account_cd = credit_cd and account_name = credit_name and credit_name <> '');

-- A trade has a usable name and at least one valid detail.
select trade_cd from m_trade t
where length(trade_cd) <> 2 or not phrase_ok(trade_name)
   or not exists (select 1 from m_trade_detail d where d.trade_cd = t.trade_cd and d.is_valid = 1);

-- A detail belongs to a trade and offers a usable phrase.
select trade_cd, detail_cd from m_trade_detail
where trade_cd not in (select trade_cd from m_trade)
   or length(detail_cd) <> 2 or not phrase_ok(detail_name);

-- The default rate is an integer: 1 to 100 for a shared trade, 100 for any other.
select trade_cd, detail_cd, rate from m_trade_detail join m_trade using (trade_cd)
where typeof(rate) <> 'integer'
   or iif(trade_class_cd = 'D', rate not between 1 and 100, rate <> 100);

-- The list, ordered by group_cd and order_cd alone, runs business (B), then
-- shared (D), then private (P) trades, with all three present.
select a.trade_cd, b.trade_cd from m_trade a join m_trade b on a.trade_cd <> b.trade_cd
where (a.group_cd, a.order_cd) = (b.group_cd, b.order_cd)
   or ((a.group_cd, a.order_cd) < (b.group_cd, b.order_cd) and a.trade_class_cd > b.trade_class_cd)
union all
select column1, 'missing' from (values ('B'), ('D'), ('P'))
where column1 not in (select trade_class_cd from m_trade);

-- Only money * rate / 100 of a shared trade is posted, so it debits an
-- expense and credits 事業主借: a cash or bank credit would lose the private part.
select trade_cd from m_trade join m_account on account_cd = debit_cd
where trade_class_cd = 'D' and (credit_cd <> '610' or output_class <> 'B');

-- The insurance premiums of the tax return are private drawings (事業主貸).
select column1 from (values ('国民年金', 'S'), ('国民健康保険', 'S'), ('生命保険料', 'O'), ('地震保険料', 'O'))
where column1 not in (select trade_name from m_trade where insurance_class = column2)
union all
select trade_cd from m_trade
where insurance_class in ('S', 'O') and (trade_class_cd <> 'P' or debit_cd <> '330');

-- The income-statement accounts ('B', started at zero by the ledger) are the
-- revenue ('r', credit side: 売上 and 雑収入) and cost ('c') accounts; the
-- other 50 are the opening balance chart.
select account_cd from m_account
where output_class not in ('A', 'B')
   or (output_class = 'B') <> (account_class in ('r', 'c'))
   or (account_class = 'r') <> (account_name in ('売上', '雑収入'))
union all
select count(*) from m_account having count(*) <> 71;

-- The preset lists show the last three characters of a number: amounts 1 to
-- 999, percentages 1 to 100 with 100 among them.
select value_num from m_money where typeof(value_num) <> 'integer' or value_num not between 1 and 999
union all
select value_num from m_percent where typeof(value_num) <> 'integer' or value_num not between 1 and 100
union all
select 'no 100' where 100 not in (select value_num from m_percent);

-- The program inserts into the transaction tables without naming columns,
-- every value quoted: each keeps its columns in this order, those in upper
-- case of type integer (so that quoted digits are stored as numbers), those
-- marked "*" the key.
with layout(tbl, cols) as (values
  ('t_trade', 'YEAR* MONTH* DAY* SEQ* trade_cd detail_cd detail_name MONEY RATE IS_VALID dt_update'),
  ('t_trade_history', 'YEAR* MONTH* DAY* SEQ* VER_IDX* trade_cd detail_cd detail_name MONEY RATE IS_VALID dt_update'),
  ('t_bs_begining', 'YEAR* account_cd* account_name asset_or_debit MONEY dt_update'),
  ('t_bs_begining_history', 'YEAR* account_cd* VER_IDX* account_name asset_or_debit MONEY dt_update'))
select tbl from layout
where cols is not (select group_concat(iif(lower(type) = 'integer', upper(name), name) || iif(pk, '*', ''), ' ')
                   from pragma_table_info(tbl));
