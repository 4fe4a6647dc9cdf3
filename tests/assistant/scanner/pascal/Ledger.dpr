program Ledger;

uses
  SysUtils, Lumbrick, TextTools;

procedure Scenario(const Input: string);
begin
  VIX.Chain := '';
  try
    Guarded(Input);
    WriteLn(Input, ': done');
  except
    on E: Exception do
      WriteLn(Input, ': ', E.ClassName, ': ', E.Message, ' chain=[', VIX.Chain, ']');
  end;
end;

begin
  WriteLn('started ', Started);
  WriteLn(Quote, ' ', Quote('a''b'), ' ', CountLines(Lines3), ' ', AddFast(2, 3), ' ', Magnitude(-7));
  WriteLn(Shout('ledger'), ' ', Shout(42));
  Scenario('42');
  Scenario('x1');
  Scenario('00');
  WriteLn('parsed ', Parsed);
end.
