-- A failure planted at the last statement that storing an amount, re-creating
-- the rows or carrying forward runs: the update or the insert of the 640 total.
create trigger planted_update before update on t_bs_begining when new.account_cd = '640'
begin select raise(abort, 'disk full'); end;
create trigger planted_insert before insert on t_bs_begining when new.account_cd = '640'
begin select raise(abort, 'disk full'); end;
