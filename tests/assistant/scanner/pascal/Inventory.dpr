program Inventory;

uses
  SysUtils, Lumbrick, Stock;

var
  Items: array[0..1] of TItem;

procedure Scenario(const Title: string; Step: Integer);
begin
  VIX.Chain := '';
  try
    case Step of
      1: Report(Items);
      2: Take(Items[0], 50);
      3:
        begin
          Items[1].Count := -5;
          Report(Items);
        end;
    end;
    WriteLn(Title, ': done');
  except
    on E: Exception do
      WriteLn(Title, ': ', E.ClassName, ': ', E.Message, ' chain=[', VIX.Chain, ']');
  end;
end;

begin
  Items[0].Code := 'bolts';
  Items[0].Count := 10;
  Items[1].Code := 'nuts';
  WriteLn(Restock(Items[1], 150), ' ', Restock(Items[1], -20, 200));
  Take(Items[0], 0);
  Untouched;
  Scenario('report', 1);
  Scenario('take', 2);
  Scenario('negative', 3);
end.
