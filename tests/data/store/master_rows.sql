-- Masters of our own for the lookups, so that every result is exact whatever
-- the bundled chart holds. Codes and numbers go in as quoted texts, as a
-- database tool would write them. D1 has only hidden details.
delete from m_trade_detail; delete from m_trade; delete from m_account; delete from m_percent; delete from m_money;
insert into m_account values ('100','現　金','a','A'), ('700','売上','r','B');
insert into m_trade (trade_cd, trade_name, trade_class_cd, debit_cd, debit_name, credit_cd, credit_name, group_cd, order_cd) values
 ('P1','生活費','P','100','現　金','100','現　金','100','1'),
 ('B2','掛売上','B','100','現　金','700','売上','9','2'),
 ('B1','現金売上','B','100','現　金','700','売上','9','10'),
 ('D1','電気代','D','100','現　金','100','現　金','20','1');
insert into m_trade_detail values
 ('B1','02','商品販売代金','100','1'), ('B1','01','店頭売上','100','1'), ('B1','03','廃止した詳細','100','0'),
 ('B2','01','掛売上','100','1'), ('D1','01','旧料金','50','0'), ('D1','02','旧旧料金','30','2'),
 ('B1','9''','引用符''付き','100','1');
insert into m_percent values ('100'), ('5'), ('10');
insert into m_money values ('1000'), ('85'), ('500');
