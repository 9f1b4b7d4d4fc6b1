-- Rows as a database tool leaves them: empty and unreadable amounts and rates, a summary with a tab and a
-- line break, a trade the masters do not know, and one plain row.
insert into t_trade values
  (2026, 12, 5, 1, '50', '01', '電気代', null, 30, 1, ''),
  (2026, 12, 5, 2, '50', '01', '電気代', '', '', 1, ''),
  (2026, 12, 5, 3, '50', '01', '電気代', 'abc', 30, 1, ''),
  (2026, 12, 5, 4, '77', '01', '国民年金', null, 100, 1, ''),
  (2026, 12, 5, 5, '50', '01', 'a' || char(9) || 'b' || char(13, 10) || 'c', 1000, 30, 1, ''),
  (2026, 12, 5, 6, '50', '01', null, 1000, null, 1, ''),
  (2026, 12, 5, 7, '99', '01', 'マスタにない取引', 500, 100, 1, ''),
  (2026, 12, 5, 8, '14', '01', '現金', 2000, 100, 1, '');
